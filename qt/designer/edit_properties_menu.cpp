#include "qt/designer/edit_properties_menu.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

#include "qt/control_widget.h"
#include "qt/sheet/property_sheet.h"

namespace brennix::qt {

EditPropertiesMenu::EditPropertiesMenu(ControlWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), action_(new QAction(tr("Edit properties..."), this)) {
    action_->setObjectName(QStringLiteral("editProperties"));
    connect(action_, &QAction::triggered, this, &EditPropertiesMenu::editProperties);
}

void EditPropertiesMenu::editProperties() {
    if (widget_ == nullptr || widget_->control() == nullptr)
        return;
    PropertySheet sheet(*widget_, widget_->window());
    connect(&sheet, &PropertySheet::applied, this, [this](const QStringList& properties) {
        QDesignerFormWindowInterface* form =
            QDesignerFormWindowInterface::findFormWindow(widget_.data());
        if (form == nullptr)
            return;
        // One undoable step for one apply.
        form->beginCommand(tr("Edit properties of '%1'").arg(widget_->objectName()));
        for (const QString& name : properties) {
            const QVariant value = widget_->controlProperty(name);
            if (value.isValid())
                form->cursor()->setWidgetProperty(widget_.data(), name, value);
        }
        form->endCommand();
    });
    sheet.exec();
}

EditPropertiesMenuFactory::EditPropertiesMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent) {}

void EditPropertiesMenuFactory::registerWith(QDesignerFormEditorInterface* core) {
    QExtensionManager* manager = core != nullptr ? core->extensionManager() : nullptr;
    static const char* const kRegistered = "brennixEditPropertiesMenu";
    if (manager == nullptr || manager->property(kRegistered).toBool())
        return;
    manager->setProperty(kRegistered, true);
    manager->registerExtensions(new EditPropertiesMenuFactory(manager),
                                Q_TYPEID(QDesignerTaskMenuExtension));
}

QObject* EditPropertiesMenuFactory::createExtension(QObject* object, const QString& iid,
                                                    QObject* parent) const {
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    if (auto* widget = qobject_cast<ControlWidget*>(object))
        return new EditPropertiesMenu(widget, parent);
    return nullptr;
}

}  // namespace brennix::qt
