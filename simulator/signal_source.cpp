#include "simulator/signal_source.h"

#include <cmath>
#include <numbers>

namespace brennix::sim {
namespace {

// A well-mixed hash so that noise depends only on seed and moment.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

}  // namespace

double signalVolts(const SignalConfig& signal, double seconds) {
    double cycles = signal.frequencyHz * seconds + signal.phaseDegrees / 360.0;
    double phase = cycles - std::floor(cycles);  // 0 <= phase < 1
    double shape = 0.0;
    switch (signal.waveform) {
        case Waveform::Constant:
            return signal.offset;
        case Waveform::Sine:
            shape = std::sin(2.0 * std::numbers::pi * phase);
            break;
        case Waveform::Square:
            shape = phase < 0.5 ? 1.0 : -1.0;
            break;
        case Waveform::Triangle:
            shape = 1.0 - 4.0 * std::fabs(phase - 0.5);
            break;
        case Waveform::Ramp:
            shape = 2.0 * phase - 1.0;
            break;
        case Waveform::Noise: {
            auto micros = static_cast<std::int64_t>(std::llround(seconds * 1e6));
            std::uint64_t bits = mix(mix(signal.seed) ^ static_cast<std::uint64_t>(micros));
            shape = static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
            break;
        }
    }
    return signal.offset + signal.amplitude * shape;
}

std::uint16_t codeForVolts(double volts, double low, double high) {
    if (!(high > low) || std::isnan(volts)) {
        return 0;
    }
    double code = std::round((volts - low) / (high - low) * 4095.0);
    if (code <= 0.0) {
        return 0;
    }
    if (code >= 4095.0) {
        return 4095;
    }
    return static_cast<std::uint16_t>(code);
}

}  // namespace brennix::sim
