#include "qt/designer/designed_control_widget.h"

#include <QPointer>
#include <QtDesigner/QDesignerDynamicPropertySheetExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>
#include <utility>
#include <vector>

namespace brennix::qt {

int DesignedControlWidget::qt_metacall(QMetaObject::Call call, int id, void** argv) {
    static const int controlIdProperty =
        ControlWidget::staticMetaObject.indexOfProperty("controlId");
    const bool writesClass = call == QMetaObject::WriteProperty && id == controlIdProperty;
    const com::Control* before = control();
    const int result = TypedControlWidget::qt_metacall(call, id, argv);
    if (writesClass && control() != before && !renewing_) {
        renewing_ = true;
        // Designer may be using the sheet right now (it is applying the
        // form's properties through it): renew it once that is done.
        QMetaObject::invokeMethod(
            this,
            [self = QPointer<DesignedControlWidget>(this)] {
                if (self != nullptr) {
                    self->renewPropertySheet();
                }
            },
            Qt::QueuedConnection);
    }
    return result;
}

void DesignedControlWidget::renewPropertySheet() {
    renewing_ = false;
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(this);
    if (form == nullptr || form->core() == nullptr) {
        return;
    }
    QDesignerFormEditorInterface* core = form->core();
    QExtensionManager* manager = core->extensionManager();
    QObject* old = manager->extension(this, Q_TYPEID(QDesignerPropertySheetExtension));
    auto* sheet = qobject_cast<QDesignerPropertySheetExtension*>(old);
    if (sheet == nullptr) {
        return;
    }
    // What the form set, by name: it stays set in the new sheet, and a
    // dynamic property the control does not know stays dynamic.
    auto* dynamic = qt_extension<QDesignerDynamicPropertySheetExtension*>(manager, this);
    struct Set {
        QString name;
        QVariant value;
        bool dynamic;
    };
    std::vector<Set> set;
    for (int i = 0; i < sheet->count(); ++i) {
        const bool isDynamic = dynamic != nullptr && dynamic->isDynamicProperty(i);
        if (sheet->isChanged(i) || isDynamic) {
            set.push_back({sheet->propertyName(i), sheet->property(i), isDynamic});
        }
    }
    // The factory that made the sheet forgets it, and makes the next one
    // from the meta-object as it is now. The old one stays alive while the
    // widget does: Designer's undo steps hold it.
    QObject* factory = old->parent();
    if (factory == nullptr ||
        !QMetaObject::invokeMethod(factory, "objectDestroyed", Qt::DirectConnection,
                                   Q_ARG(QObject*, old))) {
        return;
    }
    connect(this, &QObject::destroyed, old, &QObject::deleteLater);
    // A dynamic property the control does not know is added again below:
    // left on the object, the new sheet would take it for one of the
    // widget's own.
    for (const Set& s : set) {
        const QByteArray name = s.name.toUtf8();
        if (s.dynamic && metaObject()->indexOfProperty(name.constData()) < 0) {
            setProperty(name.constData(), QVariant());
        }
    }
    auto* renewed = qt_extension<QDesignerPropertySheetExtension*>(manager, this);
    auto* renewedDynamic = qt_extension<QDesignerDynamicPropertySheetExtension*>(manager, this);
    if (renewed == nullptr) {
        return;
    }
    for (const Set& s : set) {
        const int index = renewed->indexOf(s.name);
        if (index >= 0 &&
            !(renewedDynamic != nullptr && renewedDynamic->isDynamicProperty(index))) {
            renewed->setChanged(index, true);
        } else if (index < 0 && s.dynamic && renewedDynamic != nullptr &&
                   renewedDynamic->canAddDynamicProperty(s.name)) {
            renewedDynamic->addDynamicProperty(s.name, s.value);
        }
    }
    if (QDesignerPropertyEditorInterface* editor = core->propertyEditor();
        editor != nullptr && editor->object() == this) {
        editor->setObject(this);
    }
}

}  // namespace brennix::qt
