#pragma once
// One entry of Designer's widget box: a control class of the catalogue,
// placed on a form as a ControlWidget that hosts it at design time (ambient
// user mode off).

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "qt/control_catalogue.h"

namespace brennix::qt {

class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    // A class of the catalogue; without one, the generic host that a form's
    // controlId decides.
    explicit ControlPlugin(const CatalogueClass* entry, QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

    QString controlId() const { return controlId_; }

  private:
    QString name_;
    QString group_;
    QString controlId_;
    QString typeName_;
    QSize size_;
    bool initialized_ = false;
};

}  // namespace brennix::qt
