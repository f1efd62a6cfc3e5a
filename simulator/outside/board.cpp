#include "simulator/outside/board.h"

#include <algorithm>

#include "platform/hw/clock.h"
#include "simulator/outside/return_codes.h"

namespace brennix::outside {
namespace {

constexpr std::uint64_t kMicrosecondsPerSecond = 1000000;
constexpr std::uint32_t kMaxCounterClockHz = 10000000;
constexpr std::int32_t kMaxCounterMode = 5;

// Steps of a rate over a time span, without overflowing for long spans.
std::uint64_t stepsIn(std::uint64_t microseconds, std::uint64_t perSecond) {
    return microseconds / kMicrosecondsPerSecond * perSecond +
           microseconds % kMicrosecondsPerSecond * perSecond / kMicrosecondsPerSecond;
}

std::uint64_t elapsedSince(std::uint64_t start) {
    const std::uint64_t now = hw::nowMicroseconds();
    return now > start ? now - start : 0;
}

// A 16-bit port takes a word as an unsigned or a sign-extended value.
bool fits(std::int32_t value, std::int32_t bits) {
    if (bits == 16) {
        return value >= -32768 && value <= 0xFFFF;
    }
    return value >= 0 && value < (1 << bits);
}

std::uint32_t maskOf(std::int32_t bits) {
    return (1U << bits) - 1U;
}

}  // namespace

Board::Board(const Profile& profile)
    : profile_(&profile), counters_(static_cast<std::size_t>(profile.counters)) {}

bool Board::setInput(std::int32_t port, std::int32_t value) {
    const auto ref = decodePort(*profile_, port);
    if (!ref || !fits(value, ref->bits)) {
        return false;
    }
    auto& stored = inputs_[ref->slot];
    const std::uint32_t mask = maskOf(ref->bits) << ref->shift;
    stored = (stored & ~mask) | ((static_cast<std::uint32_t>(value) << ref->shift) & mask);
    return true;
}

std::optional<std::int32_t> Board::output(std::int32_t port) const {
    std::int32_t value = 0;
    if (readStore(outputs_, port, value) != code::kSuccess) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> Board::analogOutput(std::int32_t channel) const {
    const auto found = da_.find(channel);
    if (found == da_.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool Board::setSignal(std::int32_t channel, Signal signal) {
    if (!validAdChannel(channel) || !validCode(signal.start)) {
        return false;
    }
    auto& entry = channels_[channel];
    entry.signal = signal;
    entry.conversions = 0;
    return true;
}

bool Board::queueCodes(std::int32_t channel, const std::vector<std::int32_t>& codes) {
    if (!validAdChannel(channel) ||
        !std::all_of(codes.begin(), codes.end(), [this](std::int32_t c) { return validCode(c); })) {
        return false;
    }
    auto& entry = channels_[channel];
    entry.queued.insert(entry.queued.end(), codes.begin(), codes.end());
    return true;
}

bool Board::setCounterClock(std::uint32_t hz) {
    if (hz == 0 || hz > kMaxCounterClockHz) {
        return false;
    }
    counterClockHz_ = hz;
    return true;
}

bool Board::armRun(RunKind kind, std::int32_t count, std::uint32_t samplesPerSecond) {
    if (count < 0 || samplesPerSecond == 0) {
        return false;
    }
    run_ = Run{kind, count, samplesPerSecond, hw::nowMicroseconds()};
    return true;
}

std::int32_t Board::readStore(const std::map<std::int32_t, std::uint32_t>& store, std::int32_t port,
                              std::int32_t& value) const {
    const auto ref = decodePort(*profile_, port);
    if (!ref) {
        return code::kBadPort;
    }
    const auto found = store.find(ref->slot);
    const std::uint32_t stored = found == store.end() ? 0 : found->second;
    value = static_cast<std::int32_t>((stored >> ref->shift) & maskOf(ref->bits));
    return code::kSuccess;
}

std::int32_t Board::readInput(std::int32_t port, std::int32_t& value) const {
    return readStore(wired_ ? outputs_ : inputs_, port, value);
}

std::int32_t Board::readBack(std::int32_t port, std::int32_t& value) const {
    return readStore(outputs_, port, value);
}

std::int32_t Board::writeOutput(std::int32_t port, std::int32_t value) {
    const auto ref = decodePort(*profile_, port);
    if (!ref) {
        return code::kBadPort;
    }
    if (!fits(value, ref->bits)) {
        return code::kBadPortValue;
    }
    auto& stored = outputs_[ref->slot];
    const std::uint32_t mask = maskOf(ref->bits) << ref->shift;
    stored = (stored & ~mask) | ((static_cast<std::uint32_t>(value) << ref->shift) & mask);
    return code::kSuccess;
}

std::int32_t Board::writeDa(std::int32_t channel, std::int32_t value) {
    if (channel < 0 || channel >= profile_->daChannels) {
        return code::kBadDaChannel;
    }
    if (value < 0 || value > kDaMax) {
        return code::kBadDaValue;
    }
    da_[channel] = value;
    return code::kSuccess;
}

bool Board::validAdChannel(std::int32_t channel) const {
    return channel >= 0 && channel < profile_->adChannels;
}

bool Board::validCode(std::int32_t code) const {
    return code >= profile_->adMin && code <= profile_->adMax;
}

std::int32_t Board::selectChannel(std::int32_t channel) {
    return selectScan(channel, channel);
}

std::int32_t Board::selectScan(std::int32_t first, std::int32_t last) {
    if (!validAdChannel(first) || !validAdChannel(last) || first > last) {
        return code::kBadAdChannel;
    }
    channel_ = first;
    scanFirst_ = first;
    scanLast_ = last;
    scanNext_ = first;
    return code::kSuccess;
}

std::int32_t Board::setMode(std::int32_t mode) {
    if (mode < 0 || mode > profile_->adMaxMode) {
        return code::kBadMode;
    }
    mode_ = mode;
    return code::kSuccess;
}

std::int32_t Board::setRange(std::int32_t range) {
    if (range < 0 || range > profile_->adMaxRange) {
        return code::kBadRange;
    }
    range_ = range;
    return code::kSuccess;
}

std::int32_t Board::trigger() {
    triggered_ = true;
    return code::kSuccess;
}

std::int32_t Board::acquire(std::int32_t& sample) {
    // Without a trigger no conversion ever finished.
    if (!triggered_) {
        return code::kNotTriggered;
    }
    triggered_ = false;
    const std::int32_t current = scanNext_;
    scanNext_ = current == scanLast_ ? scanFirst_ : current + 1;
    sample = nextCode(current);
    return code::kSuccess;
}

std::int32_t Board::convert(std::int32_t channel, std::int32_t& sample) {
    if (!validAdChannel(channel)) {
        return code::kBadAdChannel;
    }
    sample = nextCode(channel);
    return code::kSuccess;
}

std::int32_t Board::nextCode(std::int32_t channel) {
    auto [found, added] = channels_.try_emplace(channel);
    Channel& entry = found->second;
    if (added) {
        // Mid-scale until a test says otherwise.
        entry.signal.start = (profile_->adMin + profile_->adMax + 1) / 2;
    }
    if (!entry.queued.empty()) {
        const std::int32_t queued = entry.queued.front();
        entry.queued.pop_front();
        return queued;
    }
    const std::int64_t span = std::int64_t{profile_->adMax} - profile_->adMin + 1;
    const std::int64_t offset = (std::int64_t{entry.signal.start} - profile_->adMin +
                                 (entry.conversions % span) * entry.signal.step % span) %
                                span;
    ++entry.conversions;
    return static_cast<std::int32_t>((offset + span) % span + profile_->adMin);
}

std::int32_t Board::counterValue(const Counter& counter) const {
    if (!counter.running) {
        return counter.held;
    }
    const std::uint64_t ticks = stepsIn(elapsedSince(counter.startMicroseconds), counter.clockHz);
    const auto load = static_cast<std::uint64_t>(counter.load);
    std::uint64_t value = 0;
    if (counter.mode == 2 || counter.mode == 3) {
        value = load - ticks % load;
    } else {
        value = load + 65536 - ticks % 65536;
    }
    return static_cast<std::int32_t>(value % 65536);
}

std::int32_t Board::startCounter(std::int32_t counter, std::int32_t mode, std::int32_t value) {
    if (counter < 0 || counter >= profile_->counters) {
        return code::kBadCounter;
    }
    if (mode < 0 || mode > kMaxCounterMode) {
        return code::kBadCounterMode;
    }
    if (value < 0 || value > 0xFFFF) {
        return code::kBadCounterValue;
    }
    Counter& entry = counters_[static_cast<std::size_t>(counter)];
    entry.running = true;
    entry.mode = mode;
    entry.load = value == 0 ? 65536 : value;
    entry.startMicroseconds = hw::nowMicroseconds();
    entry.clockHz = counterClockHz_;
    entry.held = value;
    return code::kSuccess;
}

std::int32_t Board::readCounter(std::int32_t counter, std::int32_t& count) const {
    if (counter < 0 || counter >= profile_->counters) {
        return code::kBadCounter;
    }
    count = counterValue(counters_[static_cast<std::size_t>(counter)]);
    return code::kSuccess;
}

std::int32_t Board::stopCounter(std::int32_t counter, std::int32_t& count) {
    if (counter < 0 || counter >= profile_->counters) {
        return code::kBadCounter;
    }
    Counter& entry = counters_[static_cast<std::size_t>(counter)];
    entry.held = counterValue(entry);
    entry.running = false;
    count = entry.held;
    return code::kSuccess;
}

std::int32_t Board::collected(const Run& run) const {
    const std::uint64_t steps = stepsIn(elapsedSince(run.startMicroseconds), run.samplesPerSecond);
    return static_cast<std::int32_t>(std::min<std::uint64_t>(steps, std::uint64_t(run.count)));
}

std::int32_t Board::runStatus(RunKind kind, std::int32_t& running, std::int32_t& count) const {
    // Nothing armed of that kind: nothing running, nothing gathered.
    if (!run_ || run_->kind != kind) {
        running = 0;
        count = 0;
        return code::kSuccess;
    }
    count = collected(*run_);
    running = count < run_->count ? 1 : 0;
    return code::kSuccess;
}

std::int32_t Board::stopRun(RunKind kind, std::int32_t& count) {
    if (!run_ || run_->kind != kind) {
        count = 0;
        return code::kSuccess;
    }
    count = collected(*run_);
    run_.reset();
    return code::kSuccess;
}

}  // namespace brennix::outside
