#include "daq/common/driver_binding.h"

namespace brennix::daq {

bool fitsCatalogue(const DriverBinding& binding) {
    switch (entryOf(binding.board).initial) {
        case InitialForm::CardBase:
            return std::holds_alternative<InitialCardBase>(binding.initial) ||
                   std::holds_alternative<InitialCardBaseShort>(binding.initial);
        case InitialForm::CardBaseIrq:
            return std::holds_alternative<InitialCardBaseIrq>(binding.initial);
        case InitialForm::None:
            return std::holds_alternative<InitialNoArguments>(binding.initial);
    }
    return false;
}

std::optional<std::int32_t> callInitial(const DriverBinding& binding, std::int32_t card,
                                        std::int32_t base, std::int32_t irq) {
    if (!fitsCatalogue(binding)) {
        return std::nullopt;
    }
    if (const auto* f = std::get_if<InitialCardBase>(&binding.initial); f && *f) {
        return (*f)(card, base);
    }
    if (const auto* f = std::get_if<InitialCardBaseShort>(&binding.initial); f && *f) {
        return static_cast<std::int32_t>((*f)(card, base));
    }
    if (const auto* f = std::get_if<InitialCardBaseIrq>(&binding.initial); f && *f) {
        return (*f)(card, base, irq);
    }
    if (const auto* f = std::get_if<InitialNoArguments>(&binding.initial); f && *f) {
        (void)(*f)();
        return 0;
    }
    return std::nullopt;
}

std::optional<std::string> attachFailure(std::span<const DriverBinding> bindings) {
    for (const auto& binding : bindings) {
        if (binding.attachReport != nullptr && binding.attachReport() == 0) {
            return "The " + std::string(entryOf(binding.board).driver) +
                   " driver could not open its acquisition device, so controls that use it "
                   "cannot be created.";
        }
    }
    return std::nullopt;
}

}  // namespace brennix::daq
