#include <gmock/gmock.h>

#include <QBackingStore>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "chart/control/chart_ctrl.h"
#include "platform/com/extent.h"
#include "qt/canvas_image.h"
#include "tests/qt/hosting_fixture.h"

namespace brennix::qt::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

com::Variant doubles(std::vector<double> values) {
    return com::Variant(com::SafeArray::fromValues<double>(values).value());
}

// A Chart with a sine on two plots, the same way for any host.
void feedChart(com::Control& chart) {
    ASSERT_TRUE(chart.put("PlotNum", std::int16_t{2}).ok());
    ASSERT_TRUE(chart.put("PlotAreaColor", com::Variant::fromColor(gfx::rgb(0, 0, 64))).ok());
    ASSERT_TRUE(chart.call("InitControl").ok());
    for (int i = 0; i < 150; ++i) {
        ASSERT_TRUE(chart.call("PlotCharts", {doubles({i % 37 * 0.1, 3.0 - i % 23 * 0.1})}).ok());
    }
}

// Fills one rectangle of its bounds; declares that it covers them when told to.
class CPatchCtrl final : public com::Control {
  public:
    explicit CPatchCtrl(bool coversBounds) : coversBounds_(coversBounds) {}
    const com::MemberTable& members() const override {
        static const com::MemberTable t = com::TableBuilder<CPatchCtrl>("Patch").build();
        return t;
    }
    bool paintsEveryPixel() const override { return coversBounds_; }
    // Empty for the whole bounds.
    void paintOnly(gfx::Rect patch, gfx::ColorRef ink) {
        patch_ = patch;
        ink_ = ink;
    }

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override {
        canvas.fillRect(patch_.isEmpty() ? bounds : patch_, ink_);
    }

  private:
    bool coversBounds_;
    gfx::Rect patch_{};
    gfx::ColorRef ink_ = gfx::rgb(255, 0, 0);
};

using WidgetCreation = HostingTest;

TEST_F(WidgetCreation, AChartIsCreatedByProgIdOrTypeLibraryAlias) {
    ControlWidget byProgId(kChartProgId);
    ASSERT_NE(byProgId.control(), nullptr) << byProgId.lastError().toStdString();
    EXPECT_EQ(byProgId.control()->members().className(), "Chart");

    ControlWidget byAlias(QStringLiteral("TRENDWICKLib.Chart"));
    ASSERT_NE(byAlias.control(), nullptr) << byAlias.lastError().toStdString();
    EXPECT_EQ(byAlias.control()->members().className(), "Chart");
    EXPECT_EQ(byAlias.controlId(), QStringLiteral("TRENDWICKLib.Chart"));
}

TEST_F(WidgetCreation, AnUnknownClassLeavesTheWidgetEmptyWithTheReason) {
    ControlWidget widget;
    EXPECT_FALSE(widget.setControlId(QStringLiteral("NOBODY.NothingCtrl.1")));
    EXPECT_EQ(widget.control(), nullptr);
    EXPECT_THAT(widget.lastError().toStdString(), HasSubstr("NOBODY.NothingCtrl.1"));
    // Painting an empty host is harmless.
    widget.resize(40, 30);
    EXPECT_EQ(widget.renderFrame().size(), QSize(40, 30));
}

TEST_F(WidgetCreation, AFreshWidgetTakesTheControlsOwnExtent) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    const gfx::Size px = com::hiMetricToPixels(widget.control()->extent(), 96);
    EXPECT_EQ(widget.size(), QSize(px.cx, px.cy));
    EXPECT_EQ(widget.sizeHint(), widget.size());
}

using WidgetPainting = HostingTest;

TEST_F(WidgetPainting, AHostedChartPaintsTheSamePixelsAsTheHeadlessSite) {
    ControlWidget widget(kChartProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(400, 300);
    feedChart(*widget.control());

    auto bare = com::createControl<chart::CChartCtrl>();
    feedChart(*bare);
    const gfx::Bitmap expected = headlessFrame(*bare, {400, 300});

    EXPECT_EQ(differingPixels(widget.renderFrame(), expected), 0);
    // What Qt puts on the screen is that image, unscaled.
    EXPECT_EQ(differingPixels(widget.grab().toImage(), expected), 0);
}

// The host clears under a control only when the control leaves pixels to
// clear: after a red frame, one that paints only the left half shows the
// right half still red over a covering control, the background otherwise.
TEST_F(WidgetPainting, TheBackgroundIsClearedUnlessTheControlPaintsEveryPixel) {
    for (const bool covers : {true, false}) {
        SCOPED_TRACE(covers ? "covers its bounds" : "leaves pixels");
        auto patch = std::make_shared<CPatchCtrl>(covers);
        patch->resetToDefaults();
        ControlWidget widget;
        widget.resize(40, 20);
        widget.hostControl(patch);
        const QImage red = widget.renderFrame();
        ASSERT_EQ(red.size(), QSize(40, 20));
        EXPECT_EQ(red.pixel(30, 10), 0xFFFF0000U);

        patch->paintOnly({0, 0, 20, 20}, gfx::rgb(0, 0, 255));
        const QRgb right =
            covers ? 0xFFFF0000U : gfx::pixelOf(patch->ambient().backColor) | 0xFF000000U;
        for (const QImage& frame : {widget.renderFrame(), widget.grab().toImage()}) {
            EXPECT_EQ(frame.pixel(5, 10), 0xFF0000FFU);
            EXPECT_EQ(frame.pixel(30, 10), right);
            EXPECT_EQ(frame.pixel(39, 19), right);
        }
    }
}

// A frame drawn straight into a 32-bit image is the frame Qt would have
// copied from the canvas, and nothing beside the widget's place changes.
// Other devices, formats and scaled painters take the copy, with the same
// pixels.
TEST_F(WidgetPainting, PaintingInPlaceGivesTheCopiedFramesPixelsAndKeepsToTheWidget) {
    ControlWidget widget(kChartProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(120, 90);
    feedChart(*widget.control());
    const QImage copied = widget.renderFrame();
    ASSERT_EQ(copied.size(), QSize(120, 90));
    const QRect place(7, 5, 120, 90);
    constexpr QRgb kSentinel = 0xFF010203U;

    struct Case {
        const char* name;
        QImage::Format format;
        qreal scale;
        bool inPlace;
    };
    for (const Case& c : {Case{"rgb32", QImage::Format_RGB32, 1, true},
                          Case{"premultiplied", QImage::Format_ARGB32_Premultiplied, 1, true},
                          Case{"24-bit", QImage::Format_RGB888, 1, false},
                          Case{"straight alpha", QImage::Format_ARGB32, 1, false},
                          Case{"scaled", QImage::Format_RGB32, 2, false}}) {
        SCOPED_TRACE(c.name);
        QImage device(300, 240, c.format);
        device.fill(kSentinel);
        widget.control()->invalidate();
        {
            QPainter painter(&device);
            painter.scale(c.scale, c.scale);
            widget.render(&painter, place.topLeft());
        }
        EXPECT_EQ(widget.paintedInPlace(), c.inPlace);
        const QImage rgb = device.convertToFormat(QImage::Format_RGB32);
        const QRect shown(place.topLeft() * c.scale, place.size() * c.scale);
        int outside = 0;
        for (int y = 0; y < rgb.height(); ++y) {
            for (int x = 0; x < rgb.width(); ++x) {
                outside += !shown.contains(x, y) && rgb.pixel(x, y) != kSentinel ? 1 : 0;
            }
        }
        EXPECT_EQ(outside, 0);
        if (c.scale == 1) {
            EXPECT_EQ(rgb.copy(place), copied);
        }
    }

    // Shown in a window at an offset, the window's own image gets the frame.
    QWidget window;
    window.resize(200, 150);
    auto* hosted = new ControlWidget(kChartProgId, &window);
    ASSERT_NE(hosted->control(), nullptr);
    hosted->setGeometry(place);
    feedChart(*hosted->control());
    window.show();
    QCoreApplication::processEvents();
    hosted->control()->refresh();
    auto* backing = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
    ASSERT_NE(backing, nullptr);
    if (backing->devicePixelRatio() == 1 &&
        (backing->format() == QImage::Format_RGB32 ||
         backing->format() == QImage::Format_ARGB32_Premultiplied)) {
        EXPECT_TRUE(hosted->paintedInPlace());
    }
    EXPECT_EQ(backing->copy(place).convertToFormat(QImage::Format_RGB32), copied);
    // A partial repaint may not write beyond what Qt asked for: it takes the copy.
    hosted->control()->invalidate(gfx::Rect{0, 0, 10, 10});
    hosted->repaint(0, 0, 10, 10);
    EXPECT_FALSE(hosted->paintedInPlace());
    EXPECT_EQ(backing->copy(place).convertToFormat(QImage::Format_RGB32), copied);
}

// Qt draws the canvas's own memory, at any density: a copy per paint would
// cost a frame's worth of memory traffic.
TEST(CanvasImage, IsTheBitmapsOwnPixelsAtAnyDensity) {
    gfx::Bitmap bitmap(5, 3, gfx::toPixel(gfx::rgb(10, 20, 30)));
    bitmap.setPixel(4, 2, gfx::toPixel(gfx::rgb(200, 100, 50)));
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage image = imageOverBitmap(bitmap, ratio);
        EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(bitmap.data()));
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.devicePixelRatio(), ratio);
        EXPECT_EQ(image.pixel(4, 2), qRgb(200, 100, 50));
        EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    }
    gfx::Bitmap empty;
    EXPECT_TRUE(imageOverBitmap(empty).isNull());
}

TEST_F(WidgetPainting, APropertyChangeRepaintsWithTheNewValue) {
    ControlWidget widget(kChartProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(200, 150);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    ASSERT_TRUE(widget.setControlProperty("PlotAreaColor", QColor(0, 128, 0)));
    QCoreApplication::processEvents();
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 75), QColor(0, 128, 0));
}

using WidgetProperties = HostingTest;

TEST_F(WidgetProperties, AreReadAndWrittenByNameWithTheControlsConversions) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    EXPECT_EQ(widget.controlProperty("PlotNum"), QVariant(1));
    EXPECT_TRUE(widget.setControlProperty("PlotNum", 4));
    EXPECT_EQ(widget.control()->get("PlotNum")->toInt16().value(), 4);
    // The same through QObject's own property access, as forms use it.
    widget.setProperty("Title", QStringLiteral("Boiler"));
    EXPECT_EQ(widget.control()->get("Title")->toString().value(), "Boiler");
    EXPECT_EQ(widget.property("Title").toString(), QStringLiteral("Boiler"));
    // Enumerations by value name; colours as Qt colours.
    EXPECT_TRUE(widget.setControlProperty("Mode", QStringLiteral("smTimer")));
    EXPECT_EQ(widget.control()->get("Mode")->toInt16().value(), 2);
    EXPECT_TRUE(widget.setControlProperty("LineColor", QColor(1, 2, 3)));
    EXPECT_EQ(widget.control()->get("LineColor")->toColor().value(), gfx::rgb(1, 2, 3));
    EXPECT_EQ(widget.controlProperty("LineColor").value<QColor>(), QColor(1, 2, 3));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(WidgetProperties, ARangeFailureShowsTheControlsMessageAndQtSeesTheResetValue) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.setProperty("PlotNum", 9);
    EXPECT_THAT(messages.texts(), ElementsAre("PlotNum must between 1 to 8"));
    EXPECT_EQ(widget.property("PlotNum").toInt(), 1);
    // A refused value changes nothing and says why.
    EXPECT_FALSE(widget.setControlProperty("SampleRate", 10.0) &&
                 widget.controlProperty("SampleRate").toDouble() == 10.0);
    EXPECT_EQ(widget.controlProperty("SampleRate").toDouble(), 1000.0);
    EXPECT_EQ(messages.texts().back(), "SampleRate must larger than 1000");
}

TEST_F(WidgetProperties, WrongNamesAndTypesAreRefusedWithTheReason) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    EXPECT_FALSE(widget.setControlProperty("NoSuchThing", 1));
    EXPECT_THAT(widget.lastError().toStdString(), HasSubstr("NoSuchThing"));
    EXPECT_FALSE(widget.controlProperty("NoSuchThing").isValid());
    EXPECT_FALSE(widget.setControlProperty("PlotNum", QStringLiteral("many")));
    EXPECT_FALSE(widget.setControlProperty("ErrorCode", 5));
    EXPECT_EQ(widget.controlProperty("ErrorCode").toInt(), 0);
    // Values the control's conversion cannot hold are not cut short.
    EXPECT_FALSE(widget.setControlProperty("PlotNum", 70000));
    EXPECT_EQ(widget.controlProperty("PlotNum").toInt(), 1);
}

using WidgetMethods = HostingTest;

TEST_F(WidgetMethods, AreCalledByNameWithTheirArgumentsAndResult) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    EXPECT_EQ(widget.callMethod("Average", {2, 5}).toDouble(), 3.5);
    EXPECT_FALSE(widget.callMethod("Average", {2}).isValid());
    EXPECT_FALSE(widget.callMethod("Vanish").isValid());
    EXPECT_THAT(widget.lastError().toStdString(), HasSubstr("Vanish"));
}

TEST_F(WidgetMethods, AChartTakesItsSamplesAsAQtList) {
    ControlWidget widget(kChartProgId);
    ASSERT_NE(widget.control(), nullptr);
    ASSERT_TRUE(widget.callMethod("InitControl").toBool());
    ASSERT_TRUE(widget.callMethod("PlotCharts", {QVariant(QVariantList{1.5})}).toBool());
    auto& chart = static_cast<chart::CChartCtrl&>(*widget.control());
    EXPECT_TRUE(chart.history().hasData());
    EXPECT_EQ(chart.history().sampleAt(0, 0), 1.5);
    EXPECT_TRUE(messages.messages().empty());
}

using WidgetEvents = HostingTest;

TEST_F(WidgetEvents, ControlEventsArriveAsSignalsWithTheirArguments) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    QSignalSpy spy(&widget, &ControlWidget::controlEvent);
    ASSERT_TRUE(spy.isValid());
    auto& sample = static_cast<com::testing::CSampleCtrl&>(*widget.control());
    ASSERT_TRUE(sample.fireDone(7, com::Variant(2.5)).ok());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("OnDone"));
    EXPECT_EQ(spy[0][1].toList(), (QVariantList{7, 2.5}));
}

TEST_F(WidgetEvents, MouseButtonsAndMovesReachTheControlsStockEvents) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(100, 50);
    QSignalSpy down(&widget, &ControlWidget::MouseDown);
    QSignalSpy up(&widget, &ControlWidget::MouseUp);
    QSignalSpy move(&widget, &ControlWidget::MouseMove);
    QSignalSpy click(&widget, &ControlWidget::Click);
    QSignalSpy dbl(&widget, &ControlWidget::DblClick);

    QTest::mousePress(&widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseMove(&widget, QPoint(30, 25));
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 25));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0], (QVariantList{1, com::kShift, 10, 20}));
    ASSERT_GE(move.count(), 1);
    EXPECT_EQ(move.last(), (QVariantList{1, 0, 30, 25}));
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up[0], (QVariantList{1, com::kShift, 30, 25}));
    EXPECT_EQ(click.count(), 1);

    QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(dbl.count(), 1);
    // The right button is no click.
    const auto clicks = click.count();
    QTest::mouseClick(&widget, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(click.count(), clicks);
}

TEST_F(WidgetEvents, KeysArriveAsVirtualKeyCodesAndCharacters) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    QSignalSpy down(&widget, &ControlWidget::KeyDown);
    QSignalSpy press(&widget, &ControlWidget::KeyPress);
    QSignalSpy up(&widget, &ControlWidget::KeyUp);
    QTest::keyClick(&widget, 'A', Qt::ShiftModifier);
    QTest::keyClick(&widget, Qt::Key_Left);
    QTest::keyClick(&widget, Qt::Key_F2, Qt::ControlModifier);
    // The modifier keys go down and up themselves, as on the desktop.
    const QList<QVariantList> downs(down.begin(), down.end());
    EXPECT_THAT(downs, ElementsAre(QVariantList{0x10, com::kShift}, QVariantList{0x41, com::kShift},
                                   QVariantList{0x25, 0}, QVariantList{0x11, com::kCtrl},
                                   QVariantList{0x71, com::kCtrl}));
    ASSERT_EQ(press.count(), 1);
    EXPECT_EQ(press[0], (QVariantList{int{'A'}}));
    EXPECT_EQ(up.count(), 5);
}

TEST_F(WidgetEvents, AReceiverWritesBackAByReferenceArgument) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    std::vector<std::string> seen;
    QObject::connect(&widget, &ControlWidget::controlEvent,
                     [&](const QString& name, const QVariantList& args) {
                         seen.push_back(name.toStdString());
                         if (name == QStringLiteral("KeyPress")) {
                             EXPECT_TRUE(widget.setEventArgument(0, 0));
                         }
                         if (name == QStringLiteral("OnDone")) {
                             EXPECT_FALSE(widget.setEventArgument(0, 1));  // by value
                         }
                         (void)args;
                     });
    std::int16_t keyAscii = 'x';
    widget.control()->keyPress(keyAscii);
    EXPECT_EQ(keyAscii, 0);
    auto& sample = static_cast<com::testing::CSampleCtrl&>(*widget.control());
    ASSERT_TRUE(sample.fireDone(1, com::Variant()).ok());
    EXPECT_THAT(seen, ElementsAre("KeyPress", "OnDone"));
    EXPECT_FALSE(widget.setEventArgument(0, 1));  // no event under way
}

TEST_F(WidgetEvents, ADisabledControlIgnoresInput) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    ASSERT_TRUE(widget.setControlProperty("Enabled", false));
    QSignalSpy down(&widget, &ControlWidget::MouseDown);
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(down.count(), 0);
}

}  // namespace
}  // namespace brennix::qt::testing
