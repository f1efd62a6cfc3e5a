#include "outside/tepab.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::TepaB;
constexpr std::int32_t kPort = 0;  // the one port
}  // namespace

std::int32_t W_TepaB_Initial(std::int32_t card, std::int32_t base) {
    return initial(makeCall(kLibrary, __func__, {card, base}), card, base, std::nullopt).code;
}

std::int32_t W_TepaB_DI(std::uint16_t* value) {
    return deliver(readPort(makeCall(kLibrary, __func__, {}, value), kPort), value);
}

std::int32_t W_TepaB_DO(std::int32_t value) {
    return writePort(makeCall(kLibrary, __func__, {value}), kPort, value).code;
}

std::int32_t W_TepaB_Read_Back(std::uint16_t* value) {
    return deliver(readBack(makeCall(kLibrary, __func__, {}, value), kPort), value);
}

namespace brennix::outside::tepab {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_TepaB_Initial", anyFunction(W_TepaB_Initial)},
        ExportEntry{2, "W_TepaB_DI", anyFunction(W_TepaB_DI)},
        ExportEntry{3, "W_TepaB_DO", anyFunction(W_TepaB_DO)},
        ExportEntry{4, "W_TepaB_Read_Back", anyFunction(W_TepaB_Read_Back)},
    };
    return table;
}

}  // namespace brennix::outside::tepab
