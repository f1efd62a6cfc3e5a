#pragma once
// Drags the needles of a Knob hosted in a form, as a user's mouse does.

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <numbers>

#include "instruments/knob/knob_ctrl.h"
#include "qt/control_widget.h"

namespace brennix::demos::testing {

class KnobDrag {
  public:
    explicit KnobDrag(qt::ControlWidget& widget) : widget_(widget) {
        (void)widget_.renderFrame();  // the dial is laid out when painted
        knob_ = dynamic_cast<instruments::CKnobCtrl*>(widget_.control());
    }
    bool ready() const { return knob_ != nullptr && knob_->dial().valid(); }

    // The point on the needles' circle at an angle (degrees, anticlockwise
    // from three o'clock; the scale runs from 240 down to -60).
    QPoint at(double degrees) const {
        const auto& d = knob_->dial();
        const double r = d.needleRadius() * 0.8;
        const double a = degrees * std::numbers::pi / 180;
        return {d.centre.x + static_cast<int>(std::lround(r * std::cos(a))),
                d.centre.y - static_cast<int>(std::lround(r * std::sin(a)))};
    }
    void press(double degrees) { send(QEvent::MouseButtonPress, at(degrees), Qt::LeftButton); }
    void move(double degrees, bool held = true) {
        send(QEvent::MouseMove, at(degrees), held ? Qt::LeftButton : Qt::NoButton);
    }
    void release(double degrees) { send(QEvent::MouseButtonRelease, at(degrees), Qt::LeftButton); }
    void drag(double from, double to) {
        press(from);
        move(to);
        release(to);
    }

  private:
    void send(QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(p), widget_.mapToGlobal(QPointF(p)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&widget_, &event);
    }

    qt::ControlWidget& widget_;
    instruments::CKnobCtrl* knob_ = nullptr;
};

}  // namespace brennix::demos::testing
