#pragma once
// Messages a control raises while it paints. A modal box opened inside a
// paint runs an event loop that paints again, so a control that complains
// on every paint would stack boxes without end. While a scope lives, the
// messages are held; when it ends they are posted and shown after the
// paint, and one identical to a message already waiting or open is dropped.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/com/message_box.h"

namespace brennix::qt {

class PaintMessageScope {
  public:
    // Held messages belong to this widget's window.
    explicit PaintMessageScope(QWidget* owner);
    ~PaintMessageScope();
    PaintMessageScope(const PaintMessageScope&) = delete;
    PaintMessageScope& operator=(const PaintMessageScope&) = delete;

  private:
    QPointer<QWidget> owner_;
    std::vector<com::Message> held_;
    com::MessageHandler previous_;
};

// Messages posted from paints that are waiting or open now.
std::size_t paintMessagesOutstanding();

// Shows the waiting messages at once, for a host about to end without
// running its event loop again (unless one is open already).
void showPaintMessagesNow();

}  // namespace brennix::qt
