#pragma once
// The voltage a configured source shows at a moment.

#include "simulator/config.h"

namespace brennix::sim {

double signalVolts(const SignalConfig& signal, double seconds);

// A converter code 0 to 4095 for volts within [low, high]; values outside
// clamp at the ends as a real converter saturates.
std::uint16_t codeForVolts(double volts, double low, double high);

}  // namespace brennix::sim
