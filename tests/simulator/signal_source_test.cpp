#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "simulator/signal_source.h"

namespace brennix::sim {
namespace {

SignalConfig source(Waveform waveform, double amplitude, double frequency, double offset = 0.0) {
    SignalConfig signal;
    signal.waveform = waveform;
    signal.amplitude = amplitude;
    signal.frequencyHz = frequency;
    signal.offset = offset;
    return signal;
}

TEST(SignalSources, PeriodicShapesAtKnownPoints) {
    auto sine = source(Waveform::Sine, 2.0, 10.0, 1.0);
    EXPECT_NEAR(signalVolts(sine, 0.025), 3.0, 1e-9);   // quarter period: crest
    EXPECT_NEAR(signalVolts(sine, 0.075), -1.0, 1e-9);  // three quarters: trough
    EXPECT_NEAR(signalVolts(sine, 0.1), 1.0, 1e-9);

    auto square = source(Waveform::Square, 1.5, 1.0);
    EXPECT_DOUBLE_EQ(signalVolts(square, 0.2), 1.5);
    EXPECT_DOUBLE_EQ(signalVolts(square, 0.7), -1.5);

    auto triangle = source(Waveform::Triangle, 4.0, 1.0);
    EXPECT_DOUBLE_EQ(signalVolts(triangle, 0.0), -4.0);
    EXPECT_DOUBLE_EQ(signalVolts(triangle, 0.25), 0.0);
    EXPECT_DOUBLE_EQ(signalVolts(triangle, 0.5), 4.0);

    auto ramp = source(Waveform::Ramp, 4.0, 2.0);
    EXPECT_DOUBLE_EQ(signalVolts(ramp, 0.0), -4.0);
    EXPECT_DOUBLE_EQ(signalVolts(ramp, 0.125), -2.0);
    EXPECT_DOUBLE_EQ(signalVolts(ramp, 0.5), -4.0) << "starts over each period";
}

TEST(SignalSources, PhaseShiftsTheWave) {
    auto square = source(Waveform::Square, 1.0, 1.0);
    square.phaseDegrees = 180.0;
    EXPECT_DOUBLE_EQ(signalVolts(square, 0.2), -1.0);
}

TEST(SignalSources, NoiseStaysWithinItsAmplitudeAndRepeatsForItsSeed) {
    auto noise = source(Waveform::Noise, 0.5, 1.0, 2.0);
    double low = 10.0;
    double high = -10.0;
    for (int i = 0; i < 2000; ++i) {
        double v = signalVolts(noise, i * 1e-4);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_GE(low, 1.5);
    EXPECT_LE(high, 2.5);
    EXPECT_GT(high - low, 0.8) << "it does vary";
    EXPECT_EQ(signalVolts(noise, 0.123), signalVolts(noise, 0.123));
    auto other = noise;
    other.seed = 2;
    EXPECT_NE(signalVolts(noise, 0.123), signalVolts(other, 0.123));
}

TEST(ConverterCodes, ScaleOverTheRangeAndClampAtItsEnds) {
    EXPECT_EQ(codeForVolts(-5.0, -5.0, 5.0), 0);
    EXPECT_EQ(codeForVolts(0.0, -5.0, 5.0), 2048);
    EXPECT_EQ(codeForVolts(5.0, -5.0, 5.0), 4095);
    EXPECT_EQ(codeForVolts(12.0, -5.0, 5.0), 4095);
    EXPECT_EQ(codeForVolts(-12.0, 0.0, 10.0), 0);
    EXPECT_EQ(codeForVolts(std::nan(""), 0.0, 10.0), 0);
}

}  // namespace
}  // namespace brennix::sim
