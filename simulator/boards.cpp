#include "simulator/boards.h"

#include <algorithm>

#include "simulator/signal_source.h"

namespace brennix::sim {
namespace {

constexpr double kMicrosPerSecond = 1e6;

std::uint64_t clockPulses(std::uint32_t hz, std::uint64_t micros) {
    return (micros / 1'000'000) * hz + (micros % 1'000'000) * hz / 1'000'000;
}

}  // namespace

std::uint8_t Board::digitalInput(unsigned port) const {
    return config_.digitalLoopback ? digitalOut_.at(port) : config_.digitalInput.at(port);
}

AnalogBoard::AnalogBoard(const BoardConfig& config)
    : Board(config), counters_(config.counter0ClockHz, config.counterClockHz) {}

void AnalogBoard::setSignal(unsigned channel, const SignalConfig& signal) {
    config_.channels.at(channel) = signal;
}

unsigned AnalogBoard::selectedChannel() const {
    switch (type()) {
        case BoardType::Senu:
            return mux_ & 0x07U;
        case BoardType::Olmi:
            return mux_ & 0x0FU;
        default:
            // Bits 0-2 pick the input in a bank; bit 3 the upper bank unless
            // bits 4 and 5 both ask for a differential pair.
            if ((mux_ & 0x30U) == 0x30U) {
                return mux_ & 0x07U;
            }
            return (mux_ & 0x07U) + ((mux_ & 0x08U) ? 8U : 0U);
    }
}

std::pair<double, double> AnalogBoard::inputRange() const {
    if (type() == BoardType::Vexa) {
        unsigned code = range_ & 0x0FU;
        if (code <= 3) {
            double span = 5.0 / static_cast<double>(1U << code);
            return {-span, span};
        }
        if (code <= 7) {
            return {0.0, 10.0 / static_cast<double>(1U << (code - 4))};
        }
        return {-10.0, 10.0};  // 8, and the codes the board leaves undefined
    }
    unsigned gain = range_ & 0x07U;
    double span = 5.0 / static_cast<double>(1U << (gain <= 4 ? gain : 0));
    return {-span, span};
}

double AnalogBoard::volts(unsigned channel, double seconds) const {
    double v = signalVolts(config_.channels.at(channel), seconds);
    if (type() == BoardType::Vexa && (mux_ & 0x30U) == 0x30U) {
        v -= signalVolts(config_.channels.at(channel + 8), seconds);
    }
    return v;
}

std::uint16_t AnalogBoard::codeAtSeconds(double seconds) const {
    auto [low, high] = inputRange();
    return codeForVolts(volts(selectedChannel(), seconds), low, high);
}

std::uint16_t AnalogBoard::codeAt(std::uint64_t microseconds) const {
    return codeAtSeconds(static_cast<double>(microseconds) / kMicrosPerSecond);
}

bool AnalogBoard::pacedMode() const {
    if (type() == BoardType::Senu) {
        unsigned mode = mode_ & 0x0FU;
        return mode == 4 || mode == 6;
    }
    unsigned mode = mode_ & 0x07U;
    return mode == 2 || mode == 6 || mode == 7;
}

AnalogBoard::Armed* AnalogBoard::sinkForMode() {
    unsigned mode = type() == BoardType::Senu ? (mode_ & 0x0FU) : (mode_ & 0x07U);
    if (mode == 6) {
        return &interruptSink_;
    }
    if (mode == 2 && type() != BoardType::Senu) {
        return &dmaSink_;
    }
    return nullptr;
}

double AnalogBoard::pacerRate() const {
    std::uint64_t period = counters_.pacerPeriodPulses();
    return period == 0
               ? 0.0
               : static_cast<double>(counters_.pacerClockHz()) / static_cast<double>(period);
}

void AnalogBoard::settle(std::uint64_t now) {
    if (!pacing_ || segmentPeriod_ == 0 || now < segmentStart_) {
        return;
    }
    std::uint64_t edges =
        clockPulses(counters_.pacerClockHz(), now - segmentStart_) / segmentPeriod_;
    if (edges <= edgesDone_) {
        return;
    }
    double periodMicros = static_cast<double>(segmentPeriod_) * kMicrosPerSecond /
                          static_cast<double>(counters_.pacerClockHz());
    auto edgeSeconds = [&](std::uint64_t edge) {
        return (static_cast<double>(segmentStart_) + static_cast<double>(edge) * periodMicros) /
               kMicrosPerSecond;
    };
    Armed* sink = sinkForMode();
    if (sink && sink->armed && sink->remaining > 0) {
        std::uint64_t fresh = std::min<std::uint64_t>(edges - edgesDone_, sink->remaining);
        // DMA words carry the channel in their top four bits, as the card
        // puts them on the bus.
        std::uint16_t tag =
            sink == &dmaSink_ ? static_cast<std::uint16_t>(selectedChannel() << 12) : 0;
        for (std::uint64_t k = 1; k <= fresh; ++k) {
            sink->samples.push_back(
                static_cast<std::uint16_t>(codeAtSeconds(edgeSeconds(edgesDone_ + k)) | tag));
        }
        sink->remaining -= static_cast<std::uint32_t>(fresh);
    }
    data_ = codeAtSeconds(edgeSeconds(edges));
    edgesDone_ = edges;
}

void AnalogBoard::restartPacing(std::uint64_t now) {
    bool paced = pacedMode() && counters_.pacerPeriodPulses() > 0;
    if (paced == pacing_ && counters_.pacerEpoch() == epochSeen_) {
        return;
    }
    pacing_ = paced;
    epochSeen_ = counters_.pacerEpoch();
    segmentStart_ = now;
    segmentPeriod_ = counters_.pacerPeriodPulses();
    edgesDone_ = 0;
}

void AnalogBoard::arm(Sink sink, std::uint32_t count, std::uint64_t now) {
    settle(now);  // conversions before the arming belong to nobody
    Armed& armed = sink == Sink::Dma ? dmaSink_ : interruptSink_;
    armed = Armed{true, count, {}};
}

void AnalogBoard::disarm(Sink sink) {
    Armed& armed = sink == Sink::Dma ? dmaSink_ : interruptSink_;
    armed = Armed{};
}

std::vector<std::uint16_t> AnalogBoard::take(Sink sink, std::uint64_t now) {
    settle(now);
    Armed& armed = sink == Sink::Dma ? dmaSink_ : interruptSink_;
    std::vector<std::uint16_t> out;
    out.swap(armed.samples);
    return out;
}

void AnalogBoard::finishConversion(std::uint64_t) {
    converting_ = false;
    data_ = pendingCode_;
}

std::uint8_t AnalogBoard::status(std::uint64_t now) {
    if (converting_ && now - triggeredAt_ >= config_.conversionMicroseconds) {
        finishConversion(now);
    }
    if (!converting_) {
        return static_cast<std::uint8_t>((data_ >> 8) & 0x0F);
    }
    std::uint8_t shown = static_cast<std::uint8_t>(0x10 | ((data_ >> 8) & 0x0F));
    if (busyReadsLeft_ > 0 && --busyReadsLeft_ == 0) {
        finishConversion(now);
    }
    return shown;
}

std::uint8_t AnalogBoard::read(unsigned offset, std::uint64_t now) {
    switch (offset) {
        case 0:
        case 1:
        case 2:
        case 3:
            return counters_.read(offset, now);
        case 4:
            settle(now);
            if (converting_ && now - triggeredAt_ >= config_.conversionMicroseconds) {
                finishConversion(now);
            }
            return static_cast<std::uint8_t>(data_ & 0xFF);
        case 5:
            settle(now);
            return status(now);
        case 6:
            return digitalInput(0);
        case 7:
            return digitalInput(1);
        default:
            return 0xFF;
    }
}

void AnalogBoard::write(unsigned offset, std::uint8_t value, std::uint64_t now) {
    switch (offset) {
        case 0:
            counters_.write(offset, value, now);
            return;
        case 1:
        case 2:
        case 3:
            settle(now);
            counters_.write(offset, value, now);
            restartPacing(now);
            return;
        case 4:
        case 6:
            if (type() != BoardType::Senu || offset == 4) {
                analogLow_[(offset - 4) / 2] = value;
            }
            return;
        case 5:
        case 7:
            // The converter takes the value when its high byte arrives.
            if (type() != BoardType::Senu || offset == 5) {
                unsigned channel = (offset - 5) / 2;
                analogOut_[channel] =
                    static_cast<std::uint16_t>(analogLow_[channel] | (value << 8));
            }
            return;
        case 8:
            ++interruptClears_;
            return;
        case 9:
            settle(now);
            range_ = value;
            return;
        case 10:
            settle(now);
            mux_ = value;
            return;
        case 11:
            settle(now);
            mode_ = value;
            restartPacing(now);
            return;
        case 12:
            triggeredAt_ = now;
            pendingCode_ = codeAt(now);
            busyReadsLeft_ = config_.conversionReads;
            converting_ = true;
            if (busyReadsLeft_ == 0) {
                finishConversion(now);
            }
            return;
        case 13:
            digitalOut_[0] = value;
            return;
        case 14:
            digitalOut_[1] = value;
            return;
        default:
            return;
    }
}

std::uint8_t DorvBoard::read(unsigned offset, std::uint64_t) {
    switch (offset) {
        case 14:
            return digitalInput(1);
        case 15:
            return digitalInput(0);
        default:
            return 0xFF;
    }
}

void DorvBoard::write(unsigned offset, std::uint8_t value, std::uint64_t) {
    if (offset < 12) {
        unsigned channel = offset / 2;
        if (offset % 2 == 0) {
            analogHigh_[channel] = value;
        } else {
            // The low byte completes the value.
            analogOut_[channel] = static_cast<std::uint16_t>((analogHigh_[channel] << 8) | value);
        }
    } else if (offset == 12) {
        digitalOut_[1] = value;
    } else if (offset == 13) {
        digitalOut_[0] = value;
    }
}

}  // namespace brennix::sim
