#include "platform/ui/message_box.h"

#include <iostream>
#include <utility>

namespace brennix::ui {
namespace {

MessageHandler& handler() {
    static MessageHandler current;
    return current;
}

}  // namespace

void showMessage(std::string_view text, std::string_view caption, MessageOwner owner) {
    Message message{std::string(text), std::string(caption), owner};
    if (auto& current = handler()) {
        current(message);
        return;
    }
    std::cerr << (message.caption.empty() ? std::string("message") : message.caption) << ": "
              << message.text << '\n';
}

MessageHandler installMessageHandler(MessageHandler replacement) {
    return std::exchange(handler(), std::move(replacement));
}

MessageRecorder::MessageRecorder()
    : previous_(installMessageHandler([this](const Message& m) { messages_.push_back(m); })) {}

MessageRecorder::~MessageRecorder() {
    installMessageHandler(std::move(previous_));
}

std::vector<std::string> MessageRecorder::texts() const {
    std::vector<std::string> result;
    result.reserve(messages_.size());
    for (const auto& m : messages_) {
        result.push_back(m.text);
    }
    return result;
}

}  // namespace brennix::ui
