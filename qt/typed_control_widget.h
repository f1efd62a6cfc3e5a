#pragma once
// A ControlWidget whose meta-object lists the hosted control's properties
// with their Qt types and its enumerations as Qt enums (ControlMetaObject),
// under the class's name in the catalogue ("Chart"). Designer's property
// editor shows them typed, enumerations as drop-downs, and form files keep
// enumerated values by name. A plain ControlWidget shows the same
// properties as dynamic ones.

#include "qt/control_meta_object.h"
#include "qt/control_widget.h"

namespace brennix::qt {

class TypedControlWidget : public ControlWidget {
    // No Q_OBJECT: the meta-object is made at run time for the control.
  public:
    explicit TypedControlWidget(QWidget* parent = nullptr) : ControlWidget(parent) {}
    explicit TypedControlWidget(const QString& controlId, QWidget* parent = nullptr);

    const QMetaObject* metaObject() const override;
    void* qt_metacast(const char* name) override;
    int qt_metacall(QMetaObject::Call call, int id, void** argv) override;

  private:
    const ControlMetaObject* typedMeta() const;
    void accessProperty(QMetaObject::Call call, int local, void** argv);

    mutable const com::Control* metaFor_ = nullptr;
    mutable const ControlMetaObject* meta_ = nullptr;
};

}  // namespace brennix::qt
