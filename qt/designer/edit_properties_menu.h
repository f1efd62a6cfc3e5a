#pragma once
// "Edit properties..." on every control of a form in Designer: opens the
// control's property sheet, and what the sheet applies is written into the
// form's properties, through the form window, so that it is saved, undone
// and shown in the property editor like any edit there.

#include <QAction>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

class QDesignerFormEditorInterface;

namespace brennix::qt {

class ControlWidget;

class EditPropertiesMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

  public:
    EditPropertiesMenu(ControlWidget* widget, QObject* parent);

    QAction* preferredEditAction() const override { return action_; }
    QList<QAction*> taskActions() const override { return {action_}; }

  private:
    void editProperties();

    QPointer<ControlWidget> widget_;
    QAction* action_;
};

class EditPropertiesMenuFactory : public QExtensionFactory {
    Q_OBJECT

  public:
    explicit EditPropertiesMenuFactory(QExtensionManager* parent);

    // Once per form editor, however many plugins ask.
    static void registerWith(QDesignerFormEditorInterface* core);

  protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

}  // namespace brennix::qt
