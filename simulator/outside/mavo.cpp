#include "outside/mavo.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Mavo;
}

std::int32_t W_Mavo_Initial(std::int32_t card, std::int32_t base, std::int32_t irq) {
    return initial(makeCall(kLibrary, __func__, {card, base, irq}), card, base, irq).code;
}

std::int32_t W_Mavo_DI(std::int32_t port, std::uint8_t* value) {
    return deliver(readPort(makeCall(kLibrary, __func__, {port}, value), port), value);
}

std::int32_t W_Mavo_DO(std::int32_t port, std::int32_t value) {
    return writePort(makeCall(kLibrary, __func__, {port, value}), port, value).code;
}

std::int32_t W_Mavo_Read_Back(std::int32_t port, std::uint8_t* value) {
    return deliver(readBack(makeCall(kLibrary, __func__, {port}, value), port), value);
}

namespace brennix::outside::mavo {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_Mavo_Initial", anyFunction(W_Mavo_Initial)},
        ExportEntry{2, "W_Mavo_DI", anyFunction(W_Mavo_DI)},
        ExportEntry{3, "W_Mavo_DO", anyFunction(W_Mavo_DO)},
        ExportEntry{4, "W_Mavo_Read_Back", anyFunction(W_Mavo_Read_Back)},
    };
    return table;
}

}  // namespace brennix::outside::mavo
