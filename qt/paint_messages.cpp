#include "qt/paint_messages.h"

#include <QCoreApplication>
#include <algorithm>
#include <list>
#include <optional>
#include <utility>

#include "qt/message_boxes.h"

namespace brennix::qt {
namespace {

struct Posted {
    com::Message message;
    QPointer<QWidget> owner;
};

// One deferred box at a time, so that different messages queue up rather
// than stack either.
struct Queue {
    std::list<Posted> waiting;
    std::optional<com::Message> open;
    bool scheduled = false;
};

Queue& queue() {
    static Queue q;
    return q;
}

void deliver();

void schedule() {
    Queue& q = queue();
    if (q.scheduled || q.open || q.waiting.empty()) {
        return;
    }
    q.scheduled = true;
    if (QCoreApplication::instance() == nullptr) {
        deliver();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), &deliver, Qt::QueuedConnection);
}

void deliver() {
    Queue& q = queue();
    q.scheduled = false;
    if (q.open || q.waiting.empty()) {
        return;
    }
    Posted next = std::move(q.waiting.front());
    q.waiting.pop_front();
    q.open = next.message;
    {
        MessageOwnerScope owner(next.owner.data());
        com::showMessage(next.message.text, next.message.caption, next.message.owner);
    }
    q.open.reset();
    schedule();
}

void post(com::Message message, QWidget* owner) {
    Queue& q = queue();
    if (q.open == message || std::any_of(q.waiting.begin(), q.waiting.end(),
                                         [&](const Posted& p) { return p.message == message; })) {
        return;
    }
    q.waiting.push_back({std::move(message), owner});
    schedule();
}

}  // namespace

PaintMessageScope::PaintMessageScope(QWidget* owner)
    : owner_(owner), previous_(com::installMessageHandler([this](const com::Message& message) {
          held_.push_back(message);
      })) {}

PaintMessageScope::~PaintMessageScope() {
    (void)com::installMessageHandler(std::move(previous_));
    for (com::Message& message : held_) {
        post(std::move(message), owner_.data());
    }
}

void showPaintMessagesNow() {
    Queue& q = queue();
    while (!q.open && !q.waiting.empty()) {
        deliver();
    }
}

std::size_t paintMessagesOutstanding() {
    const Queue& q = queue();
    return q.waiting.size() + (q.open ? 1 : 0);
}

}  // namespace brennix::qt
