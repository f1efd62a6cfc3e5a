// qt_panel [OUT.png]: a Knob and a Chart side by side in a Qt window; turning
// the Knob is plotted on the Chart. With OUT.png the window is drawn once
// into that file and the program ends (QT_QPA_PLATFORM=offscreen needs no
// display).
//
// Nothing here links a control library: the host creates the controls by
// programmatic identifier and finds their libraries beside its own (or on
// $BRENNIX_CONTROL_PATH), so no registration is needed.

#include <QApplication>
#include <QHBoxLayout>
#include <QPixmap>
#include <QWidget>
#include <cmath>
#include <cstdio>

#include "qt/control_widget.h"

using brennix::qt::ControlWidget;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Knob and Chart"));
    auto* layout = new QHBoxLayout(&window);
    auto* knob = new ControlWidget(QStringLiteral("PANELMOOR.KnobCtrl.1"));
    auto* chart = new ControlWidget(QStringLiteral("TRENDWICK.ChartCtrl.1"));
    for (ControlWidget* control : {knob, chart}) {
        if (control->control() == nullptr) {
            std::fprintf(stderr, "qt_panel: %s\n", qPrintable(control->lastError()));
            return 1;
        }
    }
    knob->setMinimumSize(200, 200);
    chart->setMinimumSize(360, 200);
    layout->addWidget(knob);
    layout->addWidget(chart);

    knob->setControlProperty(QStringLiteral("ScaleMaximum"), 100.0);
    knob->setControlProperty(QStringLiteral("SpacingMajor"), 10);
    chart->setControlProperty(QStringLiteral("Caption"), QStringLiteral("Knob position"));
    chart->setControlProperty(QStringLiteral("ScaleMinimum"), 0.0);
    chart->setControlProperty(QStringLiteral("ScaleMaximum"), 100.0);
    chart->callMethod(QStringLiteral("InitControl"));
    // Every change of the Knob is one sample of the Chart's first plot.
    QObject::connect(knob, &ControlWidget::controlEvent, chart,
                     [knob, chart](const QString&, const QVariantList&) {
                         const QVariant value = knob->controlProperty(QStringLiteral("Value"));
                         chart->callMethod(QStringLiteral("PlotCharts"),
                                           {QVariant(QVariantList{value.toDouble()})});
                     });
    // A few positions, so that the picture shows a trace.
    for (int i = 0; i <= 40; ++i) {
        const double value = 50.0 + 40.0 * std::sin(i / 6.0);
        knob->setControlProperty(QStringLiteral("Value"), value);
        chart->callMethod(QStringLiteral("PlotCharts"), {QVariant(QVariantList{value})});
    }
    window.resize(600, 240);
    window.show();

    if (argc > 1) {
        QApplication::processEvents();
        if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
            std::fprintf(stderr, "qt_panel: %s cannot be written\n", argv[1]);
            return 1;
        }
        std::printf("wrote %s\n", argv[1]);
        return 0;
    }
    return QApplication::exec();
}
