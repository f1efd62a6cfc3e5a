#include "qt/designer/control_plugin.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/com/message_box.h"
#include "qt/control_widget.h"
#include "qt/designer/designed_control_widget.h"
#include "qt/designer/edit_properties_menu.h"
#include "qt/message_boxes.h"

namespace brennix::qt {
namespace {

// The widget box icon: the control as it is drawn at design time, scaled.
QIcon iconOf(const QString& controlId) {
    ControlWidget widget;
    widget.setUserMode(false);
    if (controlId.isEmpty() || !widget.setControlId(controlId)) {
        return {};
    }
    const QImage frame = widget.renderFrame();
    if (frame.isNull()) {
        return {};
    }
    return QIcon(
        QPixmap::fromImage(frame.scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace

ControlPlugin::ControlPlugin(const CatalogueClass* entry, QObject* parent) : QObject(parent) {
    if (entry == nullptr) {
        name_ = QString::fromLatin1(ControlWidget::staticMetaObject.className());
        group_ = QStringLiteral("Brennix Controls");
        typeName_ = QStringLiteral("Control host");
        size_ = QSize(100, 50);
        return;
    }
    const auto& r = entry->registration;
    name_ = entry->name;
    group_ = entry->group;
    controlId_ = QString::fromStdString(r.typeLibraryAlias.empty() ? r.progId : r.typeLibraryAlias);
    typeName_ = QString::fromStdString(r.typeName);
    ControlWidget probe;
    probe.setUserMode(false);
    if (probe.setControlId(controlId_)) {
        size_ = probe.size();
    }
}

QString ControlPlugin::name() const {
    return name_;
}
QString ControlPlugin::group() const {
    return group_;
}
QString ControlPlugin::toolTip() const {
    return typeName_;
}
QString ControlPlugin::whatsThis() const {
    return controlId_.isEmpty() ? typeName_ : typeName_ + QStringLiteral(" (") + controlId_ + ')';
}
QString ControlPlugin::includeFile() const {
    // A class of the catalogue is declared, with its enumerations, in the
    // header the build writes for compiled forms.
    return controlId_.isEmpty() ? QStringLiteral("qt/control_widget.h")
                                : QStringLiteral("qt/form_classes.h");
}
QIcon ControlPlugin::icon() const {
    return iconOf(controlId_);
}

QWidget* ControlPlugin::createWidget(QWidget* parent) {
    // A class of the catalogue and the generic host alike list the hosted
    // control's properties typed; the generic host learns its class from
    // the form, and its Designer sheet is made again then.
    // Designed from the start: a hardware control shows its icon.
    auto* widget = new DesignedControlWidget(parent);
    widget->setUserMode(false);
    if (!controlId_.isEmpty()) {
        (void)widget->setControlId(controlId_);
    }
    return widget;
}

void ControlPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (initialized_) {
        return;
    }
    initialized_ = true;
    EditPropertiesMenuFactory::registerWith(core);
    // Designer shows what the controls and their sheets say in dialogs,
    // unless its host installed a handler of its own.
    if (auto previous = com::installMessageHandler({})) {
        (void)com::installMessageHandler(std::move(previous));
    } else {
        useQtMessageBoxes();
    }
}

QString ControlPlugin::domXml() const {
    QString object = name_.section(QStringLiteral("::"), -1);
    object[0] = object[0].toLower();
    QString xml = QStringLiteral(
                      "<ui language=\"c++\">\n"
                      " <widget class=\"%1\" name=\"%2\">\n"
                      "  <property name=\"geometry\"><rect><x>0</x><y>0</y>"
                      "<width>%3</width><height>%4</height></rect></property>\n")
                      .arg(name_, object)
                      .arg(size_.width())
                      .arg(size_.height());
    if (!controlId_.isEmpty()) {
        xml += QStringLiteral("  <property name=\"controlId\"><string>%1</string></property>\n")
                   .arg(controlId_);
    }
    xml += QStringLiteral(" </widget>\n</ui>\n");
    return xml;
}

}  // namespace brennix::qt
