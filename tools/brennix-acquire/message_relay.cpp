#include "tools/brennix-acquire/message_relay.h"

#include <algorithm>

namespace brennix::acquire {

MessageRelay::MessageRelay(std::ostream& err, std::string prefix, std::string explanationPrefix)
    : err_(err), prefix_(std::move(prefix)), explanationPrefix_(std::move(explanationPrefix)) {
    previous_ = com::installMessageHandler([this](const com::Message& message) {
        texts_.push_back(message.text);
        if (before_) {
            before_();
        }
        err_ << prefix_ << message.text;
        if (!message.caption.empty()) {
            err_ << " [" << message.caption << "]";
        }
        err_ << '\n';
        if (explainer_) {
            if (std::optional<std::string> more = explainer_(message.text)) {
                err_ << explanationPrefix_ << *more << '\n';
            }
        }
        err_ << std::flush;
    });
}

MessageRelay::~MessageRelay() {
    com::installMessageHandler(std::move(previous_));
}

bool MessageRelay::shownSince(std::size_t from, std::string_view text) const {
    return from < texts_.size() && std::find(texts_.begin() + static_cast<std::ptrdiff_t>(from),
                                             texts_.end(), text) != texts_.end();
}

}  // namespace brennix::acquire
