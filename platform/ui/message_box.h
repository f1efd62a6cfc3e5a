#pragma once
// The one way the system shows a message: modal, with an OK button, a text
// and a caption. Hosts install their dialog; tests install a recorder. It
// depends on nothing, so that drivers show their messages without linking
// any drawing.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brennix::ui {

// Whose window the message is modal to: a control's, or the application's.
enum class MessageOwner { Application, Control };

struct Message {
    std::string text;
    std::string caption;
    MessageOwner owner = MessageOwner::Application;

    bool operator==(const Message&) const = default;
};

using MessageHandler = std::function<void(const Message&)>;

// Blocks until the host's dialog is closed. Without a host the message goes
// to standard error, so nothing is lost.
void showMessage(std::string_view text, std::string_view caption = {},
                 MessageOwner owner = MessageOwner::Application);

// Returns the handler that was installed before.
MessageHandler installMessageHandler(MessageHandler handler);

// Records every message while it lives and restores the previous handler.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    std::vector<std::string> texts() const;
    void clear() { messages_.clear(); }

  private:
    std::vector<Message> messages_;
    MessageHandler previous_;
};

}  // namespace brennix::ui
