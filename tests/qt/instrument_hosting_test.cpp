// The instruments in the widget: a hosted Knob paints what the headless
// site paints, and a mouse drag through Qt moves its needle.
#include <gmock/gmock.h>

#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "instruments/knob/knob_ctrl.h"
#include "qt/control_catalogue.h"
#include "tests/qt/hosting_fixture.h"

namespace brennix::qt::testing {
namespace {

constexpr const char* kKnobProgId = "PANELMOOR.KnobCtrl.1";

std::shared_ptr<com::Control> createBare(const char* progId) {
    (void)loadCatalogueLibraries();
    auto created = com::ClassRegistry::process().create(progId);
    return created ? *created : nullptr;
}

// The point at `radius` pixels and `degrees` (counter-clockwise from the
// right) from the centre of the dial the knob last painted.
QPoint onDial(const instruments::CKnobCtrl& knob, double radius, double degrees) {
    const double a = degrees * std::acos(-1.0) / 180;
    const auto& d = knob.dial();
    return {d.centre.x + static_cast<int>(std::lround(radius * std::cos(a))),
            d.centre.y - static_cast<int>(std::lround(radius * std::sin(a)))};
}

class HostedKnob : public HostingTest {
  protected:
    void SetUp() override {
        widget = std::make_unique<ControlWidget>(kKnobProgId);
        ASSERT_NE(widget->control(), nullptr) << widget->lastError().toStdString();
        widget->resize(110, 110);
        bare = createBare(kKnobProgId);
        ASSERT_NE(bare, nullptr);
    }

    gfx::Size size() const { return {widget->width(), widget->height()}; }
    instruments::CKnobCtrl& knob() const {
        return static_cast<instruments::CKnobCtrl&>(*widget->control());
    }

    std::unique_ptr<ControlWidget> widget;
    std::shared_ptr<com::Control> bare;
};

TEST_F(HostedKnob, PaintsTheSamePixelsAsTheHeadlessSite) {
    ASSERT_TRUE(widget->setControlProperty("Value", 3.5));
    ASSERT_TRUE(bare->put("Value", 3.5).ok());
    EXPECT_EQ(differingPixels(widget->renderFrame(), headlessFrame(*bare, size())), 0);
}

TEST_F(HostedKnob, AMouseDragMovesTheNeedleAndMouseMoveSeesTheNewValue) {
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    const QImage before = widget->grab().toImage();
    std::vector<double> seen;
    QObject::connect(widget.get(), &ControlWidget::MouseMove, [&](int button, int, int, int) {
        if (button == 1) {
            seen.push_back(widget->controlProperty("Value").toDouble());
        }
    });

    // From the needle at the minimum, up to the top of the dial: the middle.
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, onDial(knob(), 30, 240));
    QTest::mouseMove(widget.get(), onDial(knob(), 30, 90));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, onDial(knob(), 30, 90));
    ASSERT_FALSE(seen.empty());
    EXPECT_NEAR(seen.back(), 5.0, 1e-4);
    EXPECT_NEAR(knob().pointers()[0].value, 5.0, 1e-4);
    EXPECT_EQ(widget->property("Value").toDouble(), knob().value());

    // The drag step was drawn on the window at once...
    QCoreApplication::processEvents();
    const QImage dragged = widget->grab().toImage();
    EXPECT_NE(dragged, before);
    // ...and a full paint shows what the headless site paints at that value.
    ASSERT_TRUE(bare->put("Pointer1Value", knob().pointers()[0].value).ok());
    ASSERT_TRUE(bare->put("Value", knob().value()).ok());
    EXPECT_EQ(differingPixels(widget->renderFrame(), headlessFrame(*bare, size())), 0);
}

}  // namespace
}  // namespace brennix::qt::testing
