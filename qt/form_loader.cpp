#include "qt/form_loader.h"

#include <QFile>

#include "qt/control_catalogue.h"
#include "qt/control_widget.h"
#include "qt/typed_control_widget.h"

namespace brennix::qt {

QString controlIdOfClassName(const QString& className) {
    (void)loadCatalogueLibraries();
    for (const auto& c : catalogueClasses()) {
        if (c.name == className) {
            const auto& r = c.registration;
            return QString::fromStdString(r.typeLibraryAlias.empty() ? r.progId
                                                                     : r.typeLibraryAlias);
        }
    }
    return {};
}

FormLoader::FormLoader(QObject* parent) : QUiLoader(parent) {}

QWidget* FormLoader::createWidget(const QString& className, QWidget* parent, const QString& name) {
    QWidget* widget = nullptr;
    if (className == QLatin1String(ControlWidget::staticMetaObject.className())) {
        widget = new ControlWidget(parent);
    } else if (const QString id = controlIdOfClassName(className); !id.isEmpty()) {
        widget = new TypedControlWidget(id, parent);
    } else {
        return QUiLoader::createWidget(className, parent, name);
    }
    widget->setObjectName(name);
    return widget;
}

QWidget* FormLoader::loadForm(const QString& file, QWidget* parent, QString& error) {
    QFile form(file);
    if (!form.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(file, form.errorString());
        return nullptr;
    }
    QWidget* top = load(&form, parent);
    if (top == nullptr) {
        error = QStringLiteral("%1: %2").arg(file, errorString());
    }
    return top;
}

}  // namespace brennix::qt
