// On a screen of two device pixels per logical pixel (QT_SCALE_FACTOR=2) the
// control paints and takes input in device pixels.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "chart/control/chart_ctrl.h"
#include "tests/qt/hosting_fixture.h"

namespace brennix::qt::testing {
namespace {

using HighDensity = HostingTest;

TEST_F(HighDensity, AChartPaintsInDevicePixelsAsTheHeadlessSiteDoesAtThatDensity) {
    ControlWidget widget(kChartProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(200, 150);
    widget.show();
    ASSERT_EQ(widget.pixelRatio(), 2.0);
    EXPECT_EQ(widget.control()->ambient().pixelsPerInch, 192);
    ASSERT_TRUE(widget.callMethod("InitControl").toBool());

    auto bare = com::createControl<chart::CChartCtrl>();
    ASSERT_TRUE(bare->call("InitControl").ok());
    const gfx::Bitmap expected = headlessFrame(*bare, {400, 300}, 192);
    const QImage frame = widget.renderFrame();
    EXPECT_EQ(frame.size(), QSize(400, 300));
    EXPECT_EQ(differingPixels(frame, expected), 0);
    // Qt shows that image at its own density, pixel for pixel.
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(differingPixels(shown, expected), 0);
    // Device pixels are not the widget's: a repaint takes the copy.
    widget.control()->refresh();
    EXPECT_FALSE(widget.paintedInPlace());
}

TEST_F(HighDensity, MousePositionsArriveInDevicePixels) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(100, 50);
    widget.show();
    QSignalSpy down(&widget, &ControlWidget::MouseDown);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0], (QVariantList{1, 0, 20, 40}));
}

}  // namespace
}  // namespace brennix::qt::testing
