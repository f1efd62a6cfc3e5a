#pragma once
// A control as Designer's form editor holds it. Designer builds a widget's
// property sheet from its meta-object once, when it creates the widget; the
// generic host learns its class from the form's controlId only later, so
// that sheet would know none of the control's properties and Designer would
// add them as dynamic ones. When the hosted class changes, the sheet is
// built again from the typed meta-object, keeping what the form had set.

#include "qt/typed_control_widget.h"

namespace brennix::qt {

class DesignedControlWidget : public TypedControlWidget {
  public:
    explicit DesignedControlWidget(QWidget* parent = nullptr) : TypedControlWidget(parent) {}

    int qt_metacall(QMetaObject::Call call, int id, void** argv) override;

  private:
    void renewPropertySheet();

    bool renewing_ = false;
};

}  // namespace brennix::qt
