#pragma once
// The process-wide state of one driver library: its devices, its card table
// and its device records, with the attach at load and the detach at unload.

#include <cstddef>
#include <cstdint>

#include "drivers/common/card_table.h"
#include "drivers/common/driver_frame.h"

namespace brennix::drivers {

template <class Slot, std::size_t Cards, class Records>
struct LibraryState {
    explicit LibraryState(AttachPolicy policy) : frame(policy) {}

    // Unload and load again, against whichever backend is installed now.
    std::int32_t reload() {
        frame.detach();
        cards.reset();
        records.reset();
        return frame.attach();
    }

    DriverFrame frame;
    CardTable<Slot, Cards> cards;
    Records records;
};

// One static instance per library: attaches when the library is loaded and
// detaches when it is unloaded.
template <class State, State& (*Instance)()>
class AttachAtLoad {
  public:
    AttachAtLoad() { Instance().frame.attach(); }
    ~AttachAtLoad() { Instance().frame.detach(); }
    AttachAtLoad(const AttachAtLoad&) = delete;
    AttachAtLoad& operator=(const AttachAtLoad&) = delete;
};

}  // namespace brennix::drivers
