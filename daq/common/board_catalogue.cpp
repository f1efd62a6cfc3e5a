#include "daq/common/board_catalogue.h"

#include <type_traits>

#include "daq/common/board_set.h"

namespace brennix::daq {
namespace {

template <class B>
constexpr InitialForm initialFormOf() {
    using F = std::remove_cv_t<decltype(B::initial)>;
    if constexpr (std::is_same_v<F, InitialCardBaseIrq>) {
        return InitialForm::CardBaseIrq;
    } else if constexpr (std::is_same_v<F, InitialNoArguments>) {
        return InitialForm::None;
    } else {
        return InitialForm::CardBase;
    }
}

template <class B>
constexpr BoardResources resourcesOf() {
    if constexpr (requires { B::resources; }) {
        return B::resources;
    } else {
        return kIsaBoard;
    }
}

// Names and data only: the catalogue calls no driver.
template <class B>
constexpr BoardEntry entryOf() {
    return {B::name,
            B::driver,
            !hasAttachReport<B>,
            initialFormOf<B>(),
            {servedBy<ControlKind::Orsino, B>(), servedBy<ControlKind::Pellam, B>(),
             servedBy<ControlKind::Quillet, B>(), servedBy<ControlKind::Rastow, B>(),
             servedBy<ControlKind::Sarnet, B>(), servedBy<ControlKind::Tolvan, B>()},
            B::page,
            resourcesOf<B>()};
}

template <class... B>
constexpr std::array<BoardEntry, sizeof...(B)> catalogueOf(boards::BoardList<B...> /*all*/) {
    return {entryOf<B>()...};
}

constexpr auto kCatalogue = catalogueOf(boards::AllBoards{});

}  // namespace

std::span<const BoardEntry> boardCatalogue() {
    return kCatalogue;
}

const BoardEntry* boardNamed(std::string_view name) {
    for (const auto& entry : kCatalogue) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

bool serves(ControlKind control, std::string_view name) {
    const BoardEntry* entry = boardNamed(name);
    return entry != nullptr && entry->servedBy[static_cast<std::size_t>(control)];
}

}  // namespace brennix::daq
