// The equipment controls in the widget: a Pipe's flow blinks from its Qt
// timer, and a Pump that complains on every paint opens one box at a time.
#include <gmock/gmock.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <set>

#include "qt/control_catalogue.h"
#include "qt/message_boxes.h"
#include "qt/paint_messages.h"
#include "tests/qt/hosting_fixture.h"

namespace brennix::qt::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kPipeProgId = "PLANTWERK.PipeCtrl.1";
constexpr const char* kPumpProgId = "PLANTWERK.PumpCtrl.1";
constexpr const char* kInvalidStyle = "Invalid pipe type.";

std::shared_ptr<com::Control> createBare(const char* progId) {
    (void)loadCatalogueLibraries();
    auto created = com::ClassRegistry::process().create(progId);
    return created ? *created : nullptr;
}

using HostedPipe = HostingTest;

TEST_F(HostedPipe, PaintsTheSamePixelsAsTheHeadlessSitePaintByPaint) {
    ControlWidget widget(kPipeProgId);
    ASSERT_NE(widget.control(), nullptr) << widget.lastError().toStdString();
    auto bare = createBare(kPipeProgId);
    ASSERT_NE(bare, nullptr);
    const gfx::Size size{widget.width(), widget.height()};
    // The flow colour alternates paint by paint, on either site.
    const gfx::Bitmap full = headlessFrame(*bare, size);
    const gfx::Bitmap halved = headlessFrame(*bare, size);
    ASSERT_NE(full, halved);
    EXPECT_EQ(differingPixels(widget.renderFrame(), full), 0);
    EXPECT_EQ(differingPixels(widget.renderFrame(), halved), 0);
}

TEST_F(HostedPipe, BlinksFromItsQtTimerAndStandsStillWhenStopped) {
    auto bare = createBare(kPipeProgId);
    ASSERT_NE(bare, nullptr);
    ControlWidget widget(kPipeProgId);
    ASSERT_NE(widget.control(), nullptr);
    const gfx::Size size{widget.width(), widget.height()};
    const gfx::Bitmap full = headlessFrame(*bare, size);
    const gfx::Bitmap halved = headlessFrame(*bare, size);

    ASSERT_TRUE(widget.setControlProperty("Interval", 20));
    EXPECT_TRUE(widget.timerArmed(1));
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    auto shows = [&](const gfx::Bitmap& frame) {
        return differingPixels(widget.grab().toImage(), frame) == 0;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(halved); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(full); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(halved); }, 5000));

    ASSERT_TRUE(widget.callMethod("StopTimer").toBool());
    EXPECT_FALSE(widget.timerArmed(1));
    QCoreApplication::processEvents();
    const QImage stopped = widget.grab().toImage();
    QTest::qWait(100);
    EXPECT_EQ(widget.grab().toImage(), stopped);
}

using PaintMessages = HostingTest;

TEST_F(PaintMessages, AMessageRaisedWhilePaintingIsShownAfterThePaintAndOnlyOnce) {
    ControlWidget widget(kPumpProgId);
    ASSERT_NE(widget.control(), nullptr) << widget.lastError().toStdString();
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    ASSERT_TRUE(widget.setControlProperty("PumpStyle", 10));
    for (int i = 0; i < 5; ++i) {
        widget.control()->refresh();
    }
    // Nothing opened inside the paints; the five complaints wait as one.
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(paintMessagesOutstanding(), 1U);
    QCoreApplication::processEvents();
    EXPECT_THAT(messages.texts(), ElementsAre(kInvalidStyle));
    EXPECT_EQ(messages.messages()[0].owner, com::MessageOwner::Control);
    EXPECT_EQ(paintMessagesOutstanding(), 0U);
    // Once it was seen, the next paint's complaint is shown again.
    widget.control()->refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.messages().size(), 2U);
}

TEST_F(PaintMessages, RepaintsWhileTheBoxIsOpenOpenNoSecondBox) {
    useQtMessageBoxes();
    QWidget form;
    auto* widget = new ControlWidget(kPumpProgId, &form);
    ASSERT_NE(widget->control(), nullptr);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(widget->setControlProperty("PumpStyle", 10));

    std::set<QMessageBox*> boxes;
    std::size_t mostOpen = 0;
    int repaintsUnderBox = 0;
    QWidget* parentOfBox = nullptr;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        std::size_t open = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                boxes.insert(box);
                parentOfBox = box->parentWidget();
                ++open;
            }
        }
        mostOpen = std::max(mostOpen, open);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        // The host keeps repainting the control under the open box (from
        // the event loop, so that a stacked box could not block this timer).
        if (repaintsUnderBox < 5) {
            ++repaintsUnderBox;
            QTimer::singleShot(0, widget, [widget] { widget->control()->refresh(); });
            return;
        }
        EXPECT_EQ(box->text().toStdString(), kInvalidStyle);
        box->accept();
    });
    watcher.start(5);
    widget->control()->refresh();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return repaintsUnderBox == 5 && paintMessagesOutstanding() == 0; }, 10000));
    watcher.stop();
    EXPECT_EQ(boxes.size(), 1U);
    EXPECT_EQ(mostOpen, 1U);
    EXPECT_EQ(parentOfBox, &form);
}

}  // namespace
}  // namespace brennix::qt::testing
