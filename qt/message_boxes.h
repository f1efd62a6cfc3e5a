#pragma once
// The system's messages as Qt message boxes: modal, with an OK button, over
// the window of the control that owns the message (else the active window).

#include <QPointer>
#include <QWidget>

namespace brennix::qt {

// Installs the Qt dialog as the host's message box (a test's recorder,
// installed after it, still takes the messages).
void useQtMessageBoxes();

// While it lives, messages belong to this widget's window.
class MessageOwnerScope {
  public:
    explicit MessageOwnerScope(QWidget* owner);
    ~MessageOwnerScope();
    MessageOwnerScope(const MessageOwnerScope&) = delete;
    MessageOwnerScope& operator=(const MessageOwnerScope&) = delete;

  private:
    QPointer<QWidget> previous_;
};

}  // namespace brennix::qt
