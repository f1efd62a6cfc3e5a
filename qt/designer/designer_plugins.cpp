#include "qt/designer/designer_plugins.h"

#include "qt/control_catalogue.h"
#include "qt/designer/control_plugin.h"

namespace brennix::qt {

DesignerPlugins::DesignerPlugins(QObject* parent) : QObject(parent) {
    problems_ = loadCatalogueLibraries();
    for (const QString& problem : problems_) {
        qWarning("brennix designer plugin: %s", qPrintable(problem));
    }
    widgets_.append(new ControlPlugin(nullptr, this));
    for (const auto& entry : catalogueClasses()) {
        widgets_.append(new ControlPlugin(&entry, this));
    }
}

}  // namespace brennix::qt
