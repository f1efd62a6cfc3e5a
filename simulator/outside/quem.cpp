#include "outside/quem.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Quem;
}

std::int32_t W_Quem_Initial(std::int32_t card, std::int32_t base) {
    return initial(makeCall(kLibrary, __func__, {card, base}), card, base, std::nullopt).code;
}

std::int32_t W_Quem_DA(std::int32_t channel, std::int32_t value) {
    return writeDa(makeCall(kLibrary, __func__, {channel, value}), channel, value).code;
}

namespace brennix::outside::quem {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_Quem_Initial", anyFunction(W_Quem_Initial)},
        ExportEntry{2, "W_Quem_DA", anyFunction(W_Quem_DA)},
    };
    return table;
}

}  // namespace brennix::outside::quem
