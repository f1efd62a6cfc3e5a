#include "outside/kilp.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Kilp;
}

std::int32_t W_Kilp_Initial(std::int32_t card, std::int32_t base) {
    return initial(makeCall(kLibrary, __func__, {card, base}), card, base, std::nullopt).code;
}

std::int32_t W_Kilp_DI_8(std::int32_t port, std::uint8_t* value) {
    return deliver(readPort(makeCall(kLibrary, __func__, {port}, value), port), value);
}

std::int32_t W_Kilp_DO_8(std::int32_t port, std::int32_t value) {
    return writePort(makeCall(kLibrary, __func__, {port, value}), port, value).code;
}

std::int32_t W_Kilp_Read_Back(std::int32_t port, std::uint8_t* value) {
    return deliver(readBack(makeCall(kLibrary, __func__, {port}, value), port), value);
}

std::int32_t W_Kilp_Timer_Start(std::int32_t counter, std::int32_t mode, std::int32_t value) {
    return timerStart(makeCall(kLibrary, __func__, {counter, mode, value}), counter, mode, value)
        .code;
}

std::int32_t W_Kilp_Timer_Read(std::int32_t counter, std::int32_t* count) {
    return deliver(timerRead(makeCall(kLibrary, __func__, {counter}, count), counter), count);
}

std::int32_t W_Kilp_Timer_Stop(std::int32_t counter, std::int32_t* count) {
    return deliver(timerStop(makeCall(kLibrary, __func__, {counter}, count), counter), count);
}

namespace brennix::outside::kilp {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_Kilp_Initial", anyFunction(W_Kilp_Initial)},
        ExportEntry{2, "W_Kilp_DI_8", anyFunction(W_Kilp_DI_8)},
        ExportEntry{3, "W_Kilp_DO_8", anyFunction(W_Kilp_DO_8)},
        ExportEntry{4, "W_Kilp_Read_Back", anyFunction(W_Kilp_Read_Back)},
        ExportEntry{5, "W_Kilp_Timer_Start", anyFunction(W_Kilp_Timer_Start)},
        ExportEntry{6, "W_Kilp_Timer_Read", anyFunction(W_Kilp_Timer_Read)},
        ExportEntry{7, "W_Kilp_Timer_Stop", anyFunction(W_Kilp_Timer_Stop)},
    };
    return table;
}

}  // namespace brennix::outside::kilp
