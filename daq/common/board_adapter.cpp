#include "daq/common/board_adapter.h"

#include <string>

#include "daq/common/control_factory.h"

namespace brennix::daq {

const BoardAdapter* findAdapter(std::span<const BoardAdapter> adapters, std::string_view name) {
    for (const auto& adapter : adapters) {
        if (adapter.name == name) {
            return &adapter;
        }
    }
    return nullptr;
}

std::optional<std::int32_t> callInitial(const BoardAdapter& board, std::int32_t card,
                                        std::int32_t base, std::int32_t irq) {
    if (const auto* f = std::get_if<InitialCardBase>(&board.initial); f && *f) {
        return (*f)(card, base);
    }
    if (const auto* f = std::get_if<InitialCardBaseShort>(&board.initial); f && *f) {
        return static_cast<std::int32_t>((*f)(card, base));
    }
    if (const auto* f = std::get_if<InitialCardBaseIrq>(&board.initial); f && *f) {
        return (*f)(card, base, irq);
    }
    if (const auto* f = std::get_if<InitialNoArguments>(&board.initial); f && *f) {
        (void)(*f)();
        return 0;
    }
    return std::nullopt;
}

std::optional<std::string> attachFailure(std::span<const BoardAdapter> adapters) {
    for (const auto& adapter : adapters) {
        if (adapter.attachReport != nullptr && adapter.attachReport() == 0) {
            return "The " + std::string(adapter.driver) +
                   " driver could not open its acquisition device, so controls that use it "
                   "cannot be created.";
        }
    }
    return std::nullopt;
}

}  // namespace brennix::daq
