#include "outside/tepa.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Tepa;
constexpr std::int32_t kPort = 0;  // the one port
}  // namespace

std::int32_t W_Tepa_Initial(std::int32_t card, std::int32_t base) {
    return initial(makeCall(kLibrary, __func__, {card, base}), card, base, std::nullopt).code;
}

std::int32_t W_Tepa_DI(std::uint8_t* value) {
    return deliver(readPort(makeCall(kLibrary, __func__, {}, value), kPort), value);
}

std::int32_t W_Tepa_DO(std::int32_t value) {
    return writePort(makeCall(kLibrary, __func__, {value}), kPort, value).code;
}

std::int32_t W_Tepa_Read_Back(std::uint8_t* value) {
    return deliver(readBack(makeCall(kLibrary, __func__, {}, value), kPort), value);
}

namespace brennix::outside::tepa {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_Tepa_Initial", anyFunction(W_Tepa_Initial)},
        ExportEntry{2, "W_Tepa_DI", anyFunction(W_Tepa_DI)},
        ExportEntry{3, "W_Tepa_DO", anyFunction(W_Tepa_DO)},
        ExportEntry{4, "W_Tepa_Read_Back", anyFunction(W_Tepa_Read_Back)},
    };
    return table;
}

}  // namespace brennix::outside::tepa
