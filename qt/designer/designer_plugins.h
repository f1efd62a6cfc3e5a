#pragma once
// The Designer plugin: every control of the control libraries found beside
// the host, grouped by library, and the generic host for forms that name
// their control by controlId.

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace brennix::qt {

class DesignerPlugins : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

  public:
    explicit DesignerPlugins(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

    // Files of the catalogue that were found but could not be loaded.
    QStringList loadProblems() const { return problems_; }

  private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
    QStringList problems_;
};

}  // namespace brennix::qt
