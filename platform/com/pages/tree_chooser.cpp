#include "platform/com/pages/tree_chooser.h"

#include <utility>

namespace brennix::com::pages {
namespace {

ChooserRunner& currentRunner() {
    static ChooserRunner runner;
    return runner;
}

}  // namespace

ChooserRunner installChooserRunner(ChooserRunner runner) {
    return std::exchange(currentRunner(), std::move(runner));
}

void runChooser(TreeChooser& chooser) {
    if (const ChooserRunner& runner = currentRunner()) {
        runner(chooser);
    } else {
        chooser.cancel();
    }
}

}  // namespace brennix::com::pages
