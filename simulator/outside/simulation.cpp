#include "simulator/outside/simulation.h"

#include "simulator/outside/return_codes.h"

namespace brennix::outside {
namespace {

constexpr std::int32_t kLowestBase = 0x100;  // below lie the mainboard's own ports
constexpr std::int32_t kHighestBase = 0x3FF;
constexpr std::int32_t kHighestIrq = 15;

const Profile* ownerOf(std::string_view function) {
    for (std::size_t i = 0; i < kLibraryCount; ++i) {
        const Profile& p = profile(static_cast<Library>(i));
        if (function.size() > p.prefix.size() && function.starts_with(p.prefix)) {
            return &p;
        }
    }
    return nullptr;
}

}  // namespace

Simulation::Simulation() {
    reset();
}

void Simulation::reset() {
    for (std::size_t i = 0; i < kLibraryCount; ++i) {
        const Profile& p = profile(static_cast<Library>(i));
        LibraryState& state = libraries_[i];
        state.slots = {};
        state.current = -1;
        state.boards.assign(static_cast<std::size_t>(p.cards), Board(p));
    }
    failures_.clear();
    journal_.clear();
}

Board* Simulation::board(Library library, std::int32_t card) {
    auto& boards = libraries_[indexOf(library)].boards;
    if (card < 0 || static_cast<std::size_t>(card) >= boards.size()) {
        return nullptr;
    }
    return &boards[static_cast<std::size_t>(card)];
}

std::int32_t Simulation::currentCard(Library library) const {
    return libraries_[indexOf(library)].current;
}

const CardSlot* Simulation::slot(Library library, std::int32_t card) const {
    if (card < 0 || card >= profile(library).cards) {
        return nullptr;
    }
    return &libraries_[indexOf(library)].slots[static_cast<std::size_t>(card)];
}

bool Simulation::failNext(std::string_view function, std::int32_t failure) {
    const Profile* owner = ownerOf(function);
    if (failure == code::kSuccess || owner == nullptr) {
        return false;
    }
    if (owner->library == Library::Fenq && (failure < -32768 || failure > 32767)) {
        return false;
    }
    failures_[std::string(function)].push_back(failure);
    return true;
}

std::optional<std::int32_t> Simulation::takeFailure(std::string_view function) {
    const auto found = failures_.find(function);
    if (found == failures_.end()) {
        return std::nullopt;
    }
    const std::int32_t failure = found->second.front();
    found->second.erase(found->second.begin());
    if (found->second.empty()) {
        failures_.erase(found);
    }
    return failure;
}

std::int32_t Simulation::initial(Library library, std::int32_t card,
                                 std::optional<std::int32_t> base,
                                 std::optional<std::int32_t> irq) {
    LibraryState& state = libraries_[indexOf(library)];
    if (card < 0 || card >= profile(library).cards) {
        return code::kBadCard;
    }
    if (base && (*base < kLowestBase || *base > kHighestBase)) {
        return code::kBadBase;
    }
    for (std::size_t other = 0; base && other < state.slots.size(); ++other) {
        if (other != static_cast<std::size_t>(card) && state.slots[other].initialized &&
            state.slots[other].base == *base) {
            return code::kBaseInUse;
        }
    }
    if (irq && (*irq < 0 || *irq > kHighestIrq)) {
        return code::kBadIrq;
    }
    state.slots[static_cast<std::size_t>(card)] = CardSlot{true, base.value_or(0), irq.value_or(0)};
    state.current = card;
    return code::kSuccess;
}

Simulation& simulation() {
    static Simulation state;
    return state;
}

}  // namespace brennix::outside
