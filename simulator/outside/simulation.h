#pragma once
// The process-wide state behind all eleven outside libraries: one card table
// and set of boards per library, the call journal, and the failures tests
// have scripted. Like the libraries it stands in for it is unguarded: calls
// come from one thread.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/outside/board.h"
#include "simulator/outside/journal.h"
#include "simulator/outside/library.h"

namespace brennix::outside {

struct CardSlot {
    bool initialized = false;
    std::int32_t base = 0;
    std::int32_t irq = 0;
};

class Simulation {
  public:
    Simulation();

    Journal& journal() { return journal_; }

    // The card's board, or nullptr for a card number the library has not.
    Board* board(Library library, std::int32_t card);
    // The card Initial made current, or -1.
    std::int32_t currentCard(Library library) const;
    const CardSlot* slot(Library library, std::int32_t card) const;

    // The next call of that function fails with that code and has no effect.
    // Refused (false) for a code of 0, a name no outside library has, and a
    // Fenq code that does not fit its 16-bit result.
    bool failNext(std::string_view function, std::int32_t code);
    std::optional<std::int32_t> takeFailure(std::string_view function);

    // Driver side of every Initial; a library without base or interrupt
    // arguments passes none.
    std::int32_t initial(Library library, std::int32_t card, std::optional<std::int32_t> base,
                         std::optional<std::int32_t> irq);

    // Boards, cards, scripted failures and journal as at load.
    void reset();

  private:
    struct LibraryState {
        std::array<CardSlot, kMaxCards> slots{};
        std::vector<Board> boards;
        std::int32_t current = -1;
    };

    std::array<LibraryState, kLibraryCount> libraries_;
    std::map<std::string, std::vector<std::int32_t>, std::less<>> failures_;
    Journal journal_;
};

Simulation& simulation();

}  // namespace brennix::outside
