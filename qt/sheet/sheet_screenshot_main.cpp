// Pictures of property sheets as a real display shows them, for the
// documentation: brennix-sheet-screenshot <folder> writes sheet-chart.png,
// sheet-knob.png and sheet-device.png there. Run it under a display (xvfb-run).
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>
#include <cstdio>

#include "qt/control_widget.h"
#include "qt/sheet/property_sheet.h"

namespace {

using brennix::qt::ControlWidget;
using brennix::qt::PropertySheet;

bool shoot(const QString& controlId, const QString& name, int tab, const QString& file) {
    QWidget form;
    form.setWindowTitle(name);
    auto* control = new ControlWidget(&form);
    control->setObjectName(name);
    control->setUserMode(false);
    if (!control->setControlId(controlId)) {
        std::fprintf(stderr, "%s\n", qPrintable(control->lastError()));
        return false;
    }
    control->resize(240, 160);
    PropertySheet sheet(*control);
    sheet.tabs()->setCurrentIndex(tab);
    // Wide enough for every tab title, tall enough for the longest page.
    sheet.resize(sheet.sizeHint().expandedTo(QSize(700, 560)));
    sheet.show();
    sheet.raise();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const QPixmap shot = sheet.screen()->grabWindow(sheet.winId());
    if (shot.isNull() || !shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brennix-sheet-screenshot <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool chart = shoot(QStringLiteral("TRENDWICK.ChartCtrl.1"), QStringLiteral("Chart"), 0,
                             folder.filePath(QStringLiteral("sheet-chart.png")));
    const bool knob = shoot(QStringLiteral("PANELMOOR.KnobCtrl.1"), QStringLiteral("Knob"), 2,
                            folder.filePath(QStringLiteral("sheet-knob.png")));
    const bool device = shoot(QStringLiteral("ORSINO.ORSINOCtrl.1"), QStringLiteral("AnalogInput"),
                              0, folder.filePath(QStringLiteral("sheet-device.png")));
    return chart && knob && device ? 0 : 1;
}
