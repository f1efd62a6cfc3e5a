#pragma once
// While it lives, every message the controls and drivers show goes to one
// stream (a command-line tool has no dialog), and is counted and kept so
// that a run can tell whether and how the control complained. Where the
// control's text is terse, an explanation follows it on the next line.

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/message_box.h"

namespace brennix::acquire {

class MessageRelay {
  public:
    // What to add after a message, if anything (without prefix or newline).
    using Explainer = std::function<std::optional<std::string>(std::string_view text)>;

    MessageRelay(std::ostream& err, std::string prefix, std::string explanationPrefix = {});
    ~MessageRelay();
    MessageRelay(const MessageRelay&) = delete;
    MessageRelay& operator=(const MessageRelay&) = delete;

    void setExplainer(Explainer explainer) { explainer_ = std::move(explainer); }
    // Called before each message is written (to end a progress line).
    void setBeforeMessage(std::function<void()> before) { before_ = std::move(before); }

    std::size_t shown() const { return texts_.size(); }
    // Whether `text` was shown as message number `from` or later.
    bool shownSince(std::size_t from, std::string_view text) const;

  private:
    std::ostream& err_;
    std::string prefix_;
    std::string explanationPrefix_;
    std::vector<std::string> texts_;
    Explainer explainer_;
    std::function<void()> before_;
    com::MessageHandler previous_;
};

}  // namespace brennix::acquire
