#include "tools/brennix-acquire/message_relay.h"

namespace brennix::acquire {

MessageRelay::MessageRelay(std::ostream& err, std::string prefix)
    : err_(err), prefix_(std::move(prefix)) {
    previous_ = com::installMessageHandler([this](const com::Message& message) {
        ++shown_;
        err_ << prefix_ << message.text;
        if (!message.caption.empty()) {
            err_ << " [" << message.caption << "]";
        }
        err_ << '\n' << std::flush;
    });
}

MessageRelay::~MessageRelay() {
    com::installMessageHandler(std::move(previous_));
}

}  // namespace brennix::acquire
