#pragma once
// A meta-object made at run time from a control's member table: the
// published properties with their Qt types, and the enumerations as Qt
// enums scoped by the class name ("Chart::UM_Scope"). Tools that read
// meta-objects rather than dynamic properties see them: Designer's property
// editor offers an enumerated property as a drop-down and writes its value
// name into the form file.
//
// The tables have the layout moc writes (revision 10), which compiled
// programs rely on throughout Qt 6.

#include <QByteArray>
#include <QMetaObject>
#include <memory>
#include <vector>

#include "platform/com/member_table.h"

namespace brennix::qt {

class ControlMetaObject {
  public:
    ControlMetaObject(const QByteArray& className, const com::MemberTable& members,
                      const QMetaObject& superclass);
    ControlMetaObject(const ControlMetaObject&) = delete;
    ControlMetaObject& operator=(const ControlMetaObject&) = delete;

    const QMetaObject* metaObject() const { return &object_; }
    // The properties of this meta-object itself, after the superclass's.
    int propertyCount() const { return static_cast<int>(properties_.size()); }
    const com::Member& member(int local) const { return *properties_[static_cast<size_t>(local)]; }
    QMetaType metaType(int local) const;

  private:
    std::vector<const com::Member*> properties_;
    std::vector<uint> strings_;
    std::vector<uint> data_;
    std::vector<const QtPrivate::QMetaTypeInterface*> metaTypes_;
    QMetaObject object_{};
};

// One per class name and member table, made on first use and kept for the
// process (meta-objects must outlive every object that shows them).
const ControlMetaObject& controlMetaObject(const QByteArray& className,
                                           const com::MemberTable& members,
                                           const QMetaObject& superclass);

}  // namespace brennix::qt
