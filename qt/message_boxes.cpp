#include "qt/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/com/message_box.h"

namespace brennix::qt {
namespace {

QPointer<QWidget>& currentOwner() {
    static QPointer<QWidget> owner;
    return owner;
}

void showQtMessage(const com::Message& message) {
    QWidget* parent = currentOwner() ? currentOwner()->window() : QApplication::activeWindow();
    QString caption = QString::fromStdString(message.caption);
    if (caption.isEmpty()) {
        caption = QApplication::applicationName();
    }
    QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(message.text),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("brennixMessage"));
    box.exec();
}

}  // namespace

void useQtMessageBoxes() {
    (void)com::installMessageHandler(showQtMessage);
}

MessageOwnerScope::MessageOwnerScope(QWidget* owner) : previous_(currentOwner()) {
    currentOwner() = owner;
}

MessageOwnerScope::~MessageOwnerScope() {
    currentOwner() = previous_;
}

}  // namespace brennix::qt
