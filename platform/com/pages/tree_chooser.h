#pragma once
// A modal chooser a page opens from a button: a titled dialog with a tree of
// one root item and its children, OK and Cancel. The page supplies the
// model; the host shows it through the runner it installs.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brennix::com::pages {

class TreeChooser {
  public:
    virtual ~TreeChooser() = default;

    virtual std::string title() const = 0;
    virtual std::string rootText() const = 0;
    virtual const std::vector<std::string>& children() const = 0;

    // OK with child n selected, or with the root (nothing) selected. True
    // closes the dialog; false keeps it open (the chooser has said why).
    virtual bool accept(std::optional<std::size_t> child) = 0;
    // Cancel, or the dialog closed otherwise.
    virtual void cancel() {}
};

// Shows the chooser modally and returns once it is closed: it calls accept
// until that returns true, or cancel.
using ChooserRunner = std::function<void(TreeChooser&)>;

// Installs the host's runner and returns the previous one. Without a runner
// a chooser is cancelled at once.
ChooserRunner installChooserRunner(ChooserRunner runner);
void runChooser(TreeChooser& chooser);

}  // namespace brennix::com::pages
