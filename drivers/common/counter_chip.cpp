#include "drivers/common/counter_chip.h"

#include "drivers/common/return_codes.h"

namespace brennix::drivers {
namespace {

constexpr std::uint8_t kCounter1SquareWave = 0x76;
constexpr std::uint8_t kCounter2SquareWave = 0xB6;
constexpr std::uint8_t kCounter0Mode0 = 0x30;
constexpr std::uint8_t kLatchCounter0 = 0x00;

void loadCounter(const BoardPorts& ports, std::uint8_t controlWord, std::int32_t counter,
                 std::uint32_t count) {
    ports.write(kCounterControl, controlWord);
    ports.write(counter, lowByte(count));
    ports.write(counter, highByte(count));
}

void writePacer(const BoardPorts& ports, std::uint32_t divisor1, std::uint32_t divisor2) {
    loadCounter(ports, kCounter1SquareWave, 1, divisor1);
    loadCounter(ports, kCounter2SquareWave, 2, divisor2);
}

}  // namespace

bool pacerDivisorsAllowed(std::uint32_t divisor1, std::uint32_t divisor2) {
    return divisor1 != 1 && divisor2 != 1 && divisor1 * divisor2 >= 20U;
}

std::int32_t programPacer(const BoardPorts& ports, std::uint32_t divisor1, std::uint32_t divisor2) {
    if (divisor1 != 0 && divisor2 != 0 && !pacerDivisorsAllowed(divisor1, divisor2)) {
        return code::kBadDivisors;
    }
    writePacer(ports, divisor1, divisor2);
    return code::kSuccess;
}

void idlePacer(const BoardPorts& ports) {
    writePacer(ports, 0, 0);
}

std::int32_t startCounter0(const BoardPorts& ports, std::int32_t mode, std::int32_t count) {
    if (mode < 0 || mode > 5) {
        return code::kBadCounterMode;
    }
    loadCounter(ports, static_cast<std::uint8_t>(kCounter0Mode0 + 2 * mode), 0,
                static_cast<std::uint32_t>(count));
    return code::kSuccess;
}

std::uint32_t readCounter0(const BoardPorts& ports) {
    ports.write(kCounterControl, kLatchCounter0);
    std::uint32_t low = ports.read(0);
    std::uint32_t high = ports.read(0);
    return low + 256U * high;
}

std::uint32_t stopCounter0(const BoardPorts& ports) {
    std::uint32_t count = readCounter0(ports);
    loadCounter(ports, kCounter0Mode0, 0, 1);
    return count;
}

std::int32_t readCounter0Into(const BoardPorts& ports, std::int32_t* count) {
    auto value = static_cast<std::int32_t>(readCounter0(ports));
    if (count != nullptr) {
        *count = value;
    }
    return code::kSuccess;
}

std::int32_t stopCounter0Into(const BoardPorts& ports, std::int32_t* count) {
    auto value = static_cast<std::int32_t>(stopCounter0(ports));
    if (count != nullptr) {
        *count = value;
    }
    return code::kSuccess;
}

}  // namespace brennix::drivers
