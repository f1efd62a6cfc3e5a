#include "qt/typed_control_widget.h"

#include <cstring>

#include "qt/control_catalogue.h"
#include "qt/variant_bridge.h"

namespace brennix::qt {

TypedControlWidget::TypedControlWidget(const QString& controlId, QWidget* parent)
    : ControlWidget(controlId, parent) {}

const ControlMetaObject* TypedControlWidget::typedMeta() const {
    const com::Control* hosted = control();
    if (hosted != metaFor_) {
        metaFor_ = hosted;
        meta_ = nullptr;
        if (hosted != nullptr) {
            CatalogueClass entry;
            const QByteArray name = findCatalogueClass(controlId(), entry)
                                        ? entry.name.toUtf8()
                                        : QByteArray::fromStdString(hosted->members().className());
            meta_ = &controlMetaObject(name, hosted->members(), ControlWidget::staticMetaObject);
        }
    }
    return meta_;
}

const QMetaObject* TypedControlWidget::metaObject() const {
    const ControlMetaObject* meta = typedMeta();
    return meta != nullptr ? meta->metaObject() : &ControlWidget::staticMetaObject;
}

void* TypedControlWidget::qt_metacast(const char* name) {
    const ControlMetaObject* meta = typedMeta();
    if (name != nullptr && meta != nullptr &&
        std::strcmp(name, meta->metaObject()->className()) == 0) {
        return this;
    }
    return ControlWidget::qt_metacast(name);
}

int TypedControlWidget::qt_metacall(QMetaObject::Call call, int id, void** argv) {
    id = ControlWidget::qt_metacall(call, id, argv);
    const ControlMetaObject* meta = typedMeta();
    if (id < 0 || meta == nullptr) {
        return id;
    }
    switch (call) {
        case QMetaObject::ReadProperty:
        case QMetaObject::WriteProperty:
        case QMetaObject::ResetProperty:
        case QMetaObject::RegisterPropertyMetaType:
        case QMetaObject::BindableProperty:
            if (id < meta->propertyCount()) {
                accessProperty(call, id, argv);
            }
            id -= meta->propertyCount();
            break;
        default:
            break;
    }
    return id;
}

void TypedControlWidget::accessProperty(QMetaObject::Call call, int local, void** argv) {
    const ControlMetaObject& meta = *typedMeta();
    const com::Member& member = meta.member(local);
    const QString name = QString::fromStdString(member.name);
    const QMetaType type = meta.metaType(local);
    const bool variant = type == QMetaType::fromType<QVariant>();
    switch (call) {
        case QMetaObject::ReadProperty: {
            QVariant value = controlProperty(name);
            if (variant) {
                *static_cast<QVariant*>(argv[0]) = value;
                return;
            }
            if (!value.convert(type)) {
                value = QVariant(type);
            }
            type.destruct(argv[0]);
            type.construct(argv[0], value.constData());
            return;
        }
        case QMetaObject::WriteProperty:
            (void)setControlProperty(
                name, variant ? *static_cast<QVariant*>(argv[0]) : QVariant(type, argv[0]));
            return;
        case QMetaObject::ResetProperty:
            if (member.defaultValue && control() != nullptr) {
                (void)setControlProperty(name,
                                         toQVariant(member.defaultValue(*control()), member.type));
            }
            return;
        default:
            return;
    }
}

}  // namespace brennix::qt
