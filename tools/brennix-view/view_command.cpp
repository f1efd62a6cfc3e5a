#include "tools/brennix-view/view_command.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QVBoxLayout>
#include <cstdio>

#include "platform/com/message_box.h"
#include "qt/control_widget.h"
#include "qt/form_loader.h"
#include "qt/message_boxes.h"
#include "qt/paint_messages.h"

namespace brennix::tools {
namespace {

void setDesignMode(QWidget& window, bool design) {
    for (auto* control : window.findChildren<qt::ControlWidget*>()) {
        control->setUserMode(!design);
    }
    if (auto* self = qobject_cast<qt::ControlWidget*>(&window)) {
        self->setUserMode(!design);
    }
}

std::unique_ptr<QWidget> controlWindow(const ViewOptions& options, QString& error) {
    auto widget = std::make_unique<qt::ControlWidget>();
    // Design mode first: a control may refuse a value at run time only.
    widget->setUserMode(!options.design);
    if (!widget->setControlId(options.controlId)) {
        error = widget->lastError();
        return nullptr;
    }
    QStringList problems;
    for (const auto& [name, value] : options.assignments) {
        if (!widget->setControlProperty(name, value)) {
            problems.append(widget->lastError());
        }
    }
    for (const QString& method : options.calls) {
        if (!widget->callMethod(method).isValid()) {
            problems.append(widget->lastError());
        }
    }
    error = problems.join('\n');
    widget->setWindowTitle(options.controlId);
    return widget;
}

}  // namespace

std::unique_ptr<QWidget> buildViewWindow(const ViewOptions& options, QString& error) {
    std::unique_ptr<QWidget> window;
    if (!options.form.isEmpty()) {
        qt::FormLoader loader;
        window.reset(loader.loadForm(options.form, nullptr, error));
        if (window == nullptr) {
            return nullptr;
        }
        setDesignMode(*window, options.design);
        if (window->windowTitle().isEmpty()) {
            window->setWindowTitle(QFileInfo(options.form).fileName());
        }
    } else {
        window = controlWindow(options, error);
        if (window == nullptr) {
            return nullptr;
        }
    }
    if (options.size) {
        window->resize(*options.size);
    }
    return window;
}

bool saveSnapshot(QWidget& window, const QString& file, QString& error) {
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    // What the controls said while they painted is not lost on the way out.
    qt::showPaintMessagesNow();
    if (image.isNull() || !image.save(file, "PNG")) {
        error = QStringLiteral("cannot write the snapshot %1").arg(file);
        return false;
    }
    return true;
}

int runView(const ViewOptions& options) {
    if (options.snapshot.isEmpty()) {
        qt::useQtMessageBoxes();
    } else {
        // A snapshot waits for nobody to close a message box.
        (void)com::installMessageHandler([](const com::Message& m) {
            std::fprintf(stderr, "brennix-view: message: %s\n", m.text.c_str());
        });
    }
    QString error;
    std::unique_ptr<QWidget> window = buildViewWindow(options, error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "brennix-view: %s\n", qPrintable(error));
    }
    if (window == nullptr) {
        return kViewFailed;
    }
    const bool complete = error.isEmpty();
    if (!options.snapshot.isEmpty()) {
        QString saveError;
        if (!saveSnapshot(*window, options.snapshot, saveError)) {
            std::fprintf(stderr, "brennix-view: %s\n", qPrintable(saveError));
            return kViewFailed;
        }
        return complete ? kViewShown : kViewFailed;
    }
    window->show();
    const int shown = QApplication::exec();
    return shown == 0 && complete ? kViewShown : kViewFailed;
}

}  // namespace brennix::tools
