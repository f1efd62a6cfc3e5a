#pragma once
// While it lives, every message the controls and drivers show goes to one
// stream (a command-line tool has no dialog), and is counted so that a run
// can tell whether the control complained.

#include <cstddef>
#include <ostream>
#include <string>

#include "platform/com/message_box.h"

namespace brennix::acquire {

class MessageRelay {
  public:
    MessageRelay(std::ostream& err, std::string prefix);
    ~MessageRelay();
    MessageRelay(const MessageRelay&) = delete;
    MessageRelay& operator=(const MessageRelay&) = delete;

    std::size_t shown() const { return shown_; }

  private:
    std::ostream& err_;
    std::string prefix_;
    std::size_t shown_ = 0;
    com::MessageHandler previous_;
};

}  // namespace brennix::acquire
