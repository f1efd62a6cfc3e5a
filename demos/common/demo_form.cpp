#include "demos/common/demo_form.h"

#include <QPalette>

#include "platform/gfx/color.h"
#include "platform/gfx/raster_canvas.h"
#include "qt/form_loader.h"

namespace brennix::demos {

DemoForm::DemoForm(const QString& formFile) {
    qt::FormLoader loader;
    QString error;
    window_.reset(loader.loadForm(formFile, nullptr, error));
    if (window_ == nullptr) {
        problems_.append(error);
        window_ = std::make_unique<QWidget>();
        return;
    }
    // The controls' own background, so that symbols sit on the form seamlessly.
    QPalette palette = window_->palette();
    palette.setColor(
        QPalette::Window,
        QColor::fromRgb(gfx::pixelOf(gfx::systemColorRef(gfx::SystemColor::ButtonFace))));
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
    for (auto* widget : window_->findChildren<qt::ControlWidget*>()) {
        if (widget->control() == nullptr) {
            problems_.append(
                QStringLiteral("%1: %2").arg(widget->objectName(), widget->lastError()));
        }
    }
}

DemoForm::~DemoForm() = default;

template <class Widget>
Widget* DemoForm::find(const QString& name) {
    auto* widget = window_->findChild<Widget*>(name);
    if (widget == nullptr) {
        problems_.append(QStringLiteral("the form has no %1").arg(name));
        widget = new Widget(window_.get());  // owned by the window
        widget->setObjectName(name);
        widget->hide();
    }
    return widget;
}

qt::ControlWidget* DemoForm::control(const QString& name) {
    return find<qt::ControlWidget>(name);
}

QLabel* DemoForm::label(const QString& name) {
    return find<QLabel>(name);
}

QPushButton* DemoForm::button(const QString& name) {
    return find<QPushButton>(name);
}

void DemoForm::unloadForm() {
    unloaded_ = true;
    window_->close();
}

}  // namespace brennix::demos
