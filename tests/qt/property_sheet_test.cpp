// Property sheets of hosted controls: the tabs a control lists, edits made
// in the Qt fields, Apply writing through the page models into the control,
// which repaints, and the refusal of a value outside a field's range.
#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "qt/sheet/chooser_dialog.h"
#include "qt/sheet/color_chooser.h"
#include "qt/sheet/page_widget.h"
#include "qt/sheet/property_sheet.h"
#include "tests/daq/common/temporary_store.h"
#include "tests/qt/hosting_fixture.h"

namespace brennix::qt::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

class PropertySheetTest : public HostingTest {
  protected:
    // A control on a shown form, designed (ambient user mode off), and its
    // sheet, shown beside it.
    PropertySheet& open(const char* progId,
                        const std::function<void(ControlWidget&)>& before = {}) {
        form_ = std::make_unique<QWidget>();
        widget_ = new ControlWidget(form_.get());
        widget_->setUserMode(false);
        EXPECT_TRUE(widget_->setControlId(QString::fromLatin1(progId)))
            << widget_->lastError().toStdString();
        widget_->resize(240, 160);
        widget_->installEventFilter(&counter_);
        if (before)
            before(*widget_);
        form_->show();
        settle();
        sheet_ = std::make_unique<PropertySheet>(*widget_);
        sheet_->show();
        return *sheet_;
    }

    static void settle() { QCoreApplication::processEvents(); }

    std::vector<std::string> tabTitles() const {
        std::vector<std::string> titles;
        for (int i = 0; i < sheet_->tabs()->count(); ++i)
            titles.push_back(sheet_->tabs()->tabText(i).toStdString());
        return titles;
    }

    PageWidget& tab(const char* title) const {
        for (int i = 0; i < sheet_->pageCount(); ++i) {
            if (sheet_->page(i).title() == title)
                return *sheet_->pageWidget(i);
        }
        ADD_FAILURE() << "no tab " << title;
        return *sheet_->pageWidget(0);
    }

    template <class W>
    W* field(const char* tabTitle, const char* name) const {
        QWidget* found = tab(tabTitle).fieldWidget(QString::fromLatin1(name));
        auto* typed = qobject_cast<W*>(found);
        EXPECT_NE(typed, nullptr) << tabTitle << " has no such field " << name;
        return typed;
    }

    static void type(QLineEdit* edit, const QString& text) {
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void press(QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(sheet_->buttons()->button(which), Qt::LeftButton);
        settle();
    }

    // Applies and tells whether the control painted again.
    bool applyRepaints() {
        settle();
        const int before = counter_.paints;
        press(QDialogButtonBox::Apply);
        return counter_.paints > before;
    }

    QVariant property(const char* name) const { return widget_->controlProperty(name); }

    std::unique_ptr<QWidget> form_;
    ControlWidget* widget_ = nullptr;
    std::unique_ptr<PropertySheet> sheet_;
    PaintCounter counter_;
};

TEST_F(PropertySheetTest, AChartSheetShowsItsTabsInTheChartsOrderAndAppliesAChange) {
    open(kChartProgId);
    // Every tab the Chart lists, in its order.
    EXPECT_THAT(tabTitles(), ElementsAre("Chart", "X-Axis", "Y-Axis", "X-AxisTicks", "Y-AxisTicks",
                                         "Plots", "Y-Axis Format", "X-Axis Format", "Color"));
    EXPECT_EQ(field<QLineEdit>("Chart", "PlotNum")->text(), "1");
    EXPECT_FALSE(sheet_->buttons()->button(QDialogButtonBox::Apply)->isEnabled());

    type(field<QLineEdit>("Chart", "PlotNum"), "3");
    field<QComboBox>("Chart", "UpdateMode")->setCurrentIndex(2);
    EXPECT_TRUE(sheet_->buttons()->button(QDialogButtonBox::Apply)->isEnabled());
    EXPECT_TRUE(applyRepaints());
    EXPECT_EQ(property("PlotNum").toInt(), 3);
    EXPECT_EQ(widget_->control()->get("UpdateMode")->toInt32().value(), 2);
    EXPECT_TRUE(messages.texts().empty());
    // Nothing left to apply.
    EXPECT_FALSE(sheet_->buttons()->button(QDialogButtonBox::Apply)->isEnabled());
}

TEST_F(PropertySheetTest, AValueOutOfRangeIsRefusedWithTheRangeMessageAndNothingIsApplied) {
    open(kChartProgId);
    const double maximum = property("ScaleMaximum").toDouble();
    type(field<QLineEdit>("Y-Axis", "ScaleMaximum"), "55.5");
    type(field<QLineEdit>("Chart", "PlotNum"), "4");
    type(field<QLineEdit>("Chart", "HistoryLength"), "1048576");
    sheet_->tabs()->setCurrentIndex(1);

    press(QDialogButtonBox::Ok);
    EXPECT_THAT(messages.texts(), ElementsAre("Please enter an integer between 1024 and 1048575."));
    EXPECT_TRUE(sheet_->isVisible()) << "OK closed over a refused value";
    EXPECT_EQ(sheet_->tabs()->tabText(sheet_->tabs()->currentIndex()), "Chart");
    EXPECT_EQ(property("PlotNum").toInt(), 1);
    EXPECT_EQ(property("ScaleMaximum").toDouble(), maximum);

    // The largest length the tab accepts goes through, with the rest.
    messages.clear();
    type(field<QLineEdit>("Chart", "HistoryLength"), "1048575");
    press(QDialogButtonBox::Ok);
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_FALSE(sheet_->isVisible());
    EXPECT_EQ(property("HistoryLength").toInt(), 1048575);
    EXPECT_EQ(property("PlotNum").toInt(), 4);
    EXPECT_EQ(property("ScaleMaximum").toDouble(), 55.5);
}

TEST_F(PropertySheetTest, CancelWritesNothing) {
    open(kChartProgId);
    type(field<QLineEdit>("Chart", "PlotNum"), "5");
    press(QDialogButtonBox::Cancel);
    EXPECT_FALSE(sheet_->isVisible());
    EXPECT_EQ(property("PlotNum").toInt(), 1);
}

TEST_F(PropertySheetTest, AKnobSheetAppliesACheckBoxAndAColourChosenThroughTheSwatch) {
    open("PANELMOOR.KnobCtrl.1");
    EXPECT_THAT(tabTitles(),
                IsSupersetOf({"General", "Numeric", "Ticks", "Format", "Pointer", "Color"}));
    const bool border = property("Border").toBool();
    field<QCheckBox>("General", "Border")->click();

    QColor offered;
    const ColorChooser previous = setColorChooser([&](const QColor& initial, QWidget*) {
        offered = initial;
        return std::optional<QColor>(QColor(255, 0, 0));
    });
    QWidget* colour = tab("Ticks").fieldWidget(QStringLiteral("MajorTickColor"));
    ASSERT_NE(colour, nullptr);
    auto* swatch = colour->findChild<QToolButton*>(QStringLiteral("swatch"));
    ASSERT_NE(swatch, nullptr);
    QTest::mouseClick(swatch, Qt::LeftButton);
    (void)setColorChooser(previous);
    // The chooser opened on the current colour; the field shows the chosen
    // one as a number.
    EXPECT_EQ(offered, property("MajorTickColor").value<QColor>());
    EXPECT_EQ(colour->findChild<QLineEdit*>()->text(), "255");

    EXPECT_TRUE(applyRepaints());
    EXPECT_EQ(property("Border").toBool(), !border);
    EXPECT_EQ(widget_->control()->get("MajorTickColor")->toColor().value(), 0x0000FFU);
}

TEST_F(PropertySheetTest, TheKnobsFontTabPutsTheChosenFont) {
    open("PANELMOOR.KnobCtrl.1");
    EXPECT_EQ(tabTitles().back(), "Font");
    ASSERT_NE(sheet_->fontPage(), nullptr);
    QFont font = property("Font").value<QFont>();
    EXPECT_EQ(sheet_->fontPage()->currentFont().family(), font.family());
    font.setPointSizeF(font.pointSizeF() + 6);
    font.setBold(!font.bold());
    sheet_->fontPage()->setCurrentFont(font);
    EXPECT_TRUE(applyRepaints());
    const QFont put = property("Font").value<QFont>();
    EXPECT_EQ(put.pointSizeF(), font.pointSizeF());
    EXPECT_EQ(put.bold(), font.bold());
}

TEST_F(PropertySheetTest, AFaceTheFontChooserLacksIsNeitherAChangeNorLostWhenTheSizeIs) {
    open("PANELMOOR.KnobCtrl.1", [](ControlWidget& knob) {
        EXPECT_TRUE(knob.setControlProperty("Font", QFont(QStringLiteral("No Such Face"), 9)));
    });
    ASSERT_NE(sheet_->fontPage(), nullptr);
    EXPECT_FALSE(sheet_->buttons()->button(QDialogButtonBox::Apply)->isEnabled());
    QFont bigger = sheet_->fontPage()->currentFont();
    bigger.setPointSizeF(15);
    sheet_->fontPage()->setCurrentFont(bigger);
    press(QDialogButtonBox::Apply);
    const QFont put = property("Font").value<QFont>();
    EXPECT_EQ(put.family(), "No Such Face");
    EXPECT_EQ(put.pointSizeF(), 15);
}

TEST_F(PropertySheetTest, APipeSheetChangesTheStyleByRadioButtonAndRefusesAnIntervalOf6001) {
    open("PLANTWERK.PipeCtrl.1");
    EXPECT_THAT(tabTitles(), ElementsAre("Pipe"));
    auto* styles = field<QGroupBox>("Pipe", "PipeStyle");
    ASSERT_NE(styles, nullptr);
    const auto buttons = styles->findChildren<QAbstractButton*>();
    ASSERT_GE(buttons.size(), 2);
    const QImage before = widget_->renderFrame();
    buttons[1]->click();
    type(field<QLineEdit>("Pipe", "Interval"), "6001");
    press(QDialogButtonBox::Apply);
    EXPECT_THAT(messages.texts(), ElementsAre("Please enter an integer between 1 and 6000."));
    EXPECT_EQ(property("PipeStyle").toInt(), 0);

    type(field<QLineEdit>("Pipe", "Interval"), "250");
    EXPECT_TRUE(applyRepaints());
    EXPECT_EQ(property("PipeStyle").toInt(), 1);
    EXPECT_EQ(property("Interval").toInt(), 250);
    EXPECT_NE(widget_->renderFrame(), before);
}

// Each style button shows the pipe drawn in that style, and the pictures
// differ from one another.
TEST_F(PropertySheetTest, APipesStyleButtonsShowTheirPictures) {
    open("PLANTWERK.PipeCtrl.1");
    auto* styles = field<QGroupBox>("Pipe", "PipeStyle");
    ASSERT_NE(styles, nullptr);
    const auto buttons = styles->findChildren<QAbstractButton*>();
    ASSERT_GE(buttons.size(), 2);
    std::vector<QImage> pictures;
    for (QAbstractButton* button : buttons) {
        ASSERT_FALSE(button->icon().isNull()) << button->text().toStdString();
        pictures.push_back(button->icon().pixmap(button->iconSize()).toImage());
    }
    EXPECT_NE(pictures[0], pictures[1]);
    // Not a blank: the pipe is drawn over the page's white.
    const QImage& first = pictures[0];
    bool drawn = false;
    for (int y = 0; y < first.height() && !drawn; ++y) {
        for (int x = 0; x < first.width() && !drawn; ++x)
            drawn = first.pixelColor(x, y) != first.pixelColor(0, 0);
    }
    EXPECT_TRUE(drawn);
}

// Whatever pages the analog-input control lists, each opens with the
// control's values, and the event flag they bind is applied.
TEST_F(PropertySheetTest, AnAnalogInputSheetOpensEveryPageAndAppliesTheEventFlag) {
    open("ORSINO.ORSINOCtrl.1");
    ASSERT_GT(sheet_->pageCount(), 0);
    QCheckBox* events = nullptr;
    for (int i = 0; i < sheet_->pageCount(); ++i) {
        // Every number or text a page shows reads back as the control's value.
        for (const com::pages::Field& f : sheet_->page(i).fields()) {
            auto* edit = qobject_cast<QLineEdit*>(
                sheet_->pageWidget(i)->fieldWidget(QString::fromStdString(f.property)));
            if (!f.bound() || !f.enabled || f.kind != com::pages::FieldKind::TextEdit ||
                edit == nullptr)
                continue;
            const QVariant held = property(f.property.c_str());
            if (held.metaType() == QMetaType::fromType<QString>()) {
                EXPECT_EQ(edit->text(), held.toString()) << f.property;
            } else {
                EXPECT_EQ(edit->text().toDouble(), held.toDouble()) << f.property;
            }
        }
        if (QWidget* w = sheet_->pageWidget(i)->fieldWidget(QStringLiteral("EventEnabled")))
            events = qobject_cast<QCheckBox*>(w);
    }
    ASSERT_NE(events, nullptr);
    const bool enabled = property("EventEnabled").toBool();
    EXPECT_EQ(events->isChecked(), enabled);
    events->click();
    EXPECT_TRUE(applyRepaints());
    EXPECT_EQ(property("EventEnabled").toBool(), !enabled);
    EXPECT_TRUE(messages.texts().empty());
}

// The analog-input control's sheet is its device page; the device the user
// picks in the chooser reaches the control on Apply.
class DevicePageSheetTest : public PropertySheetTest {
  protected:
    void SetUp() override {
        for (const char* key : {"000@Brax-VexaL", "013@Brax-Olmi"})
            ASSERT_TRUE(store_.addDevice(key));
    }

    // The one page's device button, which the generic page lacks.
    const com::pages::Field* deviceField() const {
        if (sheet_->pageCount() != 1)
            return nullptr;
        for (const com::pages::Field& f : sheet_->page(0).fields()) {
            if (f.kind == com::pages::FieldKind::Button && f.label.starts_with("Device"))
                return &f;
        }
        return nullptr;
    }

    QPushButton* deviceButton() const {
        return qobject_cast<QPushButton*>(
            sheet_->pageWidget(0)->fieldWidget(QString::fromStdString(deviceField()->label)));
    }

    daq::testing::TemporaryStore store_;
};

TEST_F(DevicePageSheetTest, AScriptedChooserPicksTheDeviceTheControlTakesOnApply) {
    open("ORSINO.ORSINOCtrl.1");
    ASSERT_NE(deviceField(), nullptr) << sheet_->pageCount() << " pages";
    QPushButton* button = deviceButton();
    ASSERT_NE(button, nullptr);
    std::vector<std::string> seen;
    auto previous = com::pages::installChooserRunner([&](com::pages::TreeChooser& chooser) {
        seen = chooser.children();
        seen.insert(seen.begin(), chooser.rootText());
        EXPECT_TRUE(chooser.accept(1));
    });
    QTest::mouseClick(button, Qt::LeftButton);
    com::pages::installChooserRunner(std::move(previous));
    EXPECT_THAT(seen, ElementsAre("Brennix Device", "000@Brax-VexaL", "013@Brax-Olmi"));
    EXPECT_TRUE(sheet_->buttons()->button(QDialogButtonBox::Apply)->isEnabled());
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(property("DeviceNumber").toInt(), 13);
    EXPECT_TRUE(messages.texts().empty());
}

// The sheet's own chooser: a dialog with the store's devices under the root.
TEST_F(DevicePageSheetTest, TheChooserDialogListsTheDevicesAndOkTakesTheChosenOne) {
    open("ORSINO.ORSINOCtrl.1");
    ASSERT_NE(deviceField(), nullptr);
    QString title;
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ChooserDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        QTreeWidgetItem* root = dialog->tree()->topLevelItem(0);
        items.append(root->text(0));
        for (int i = 0; i < root->childCount(); ++i)
            items.append(root->child(i)->text(0));
        dialog->tree()->setCurrentItem(root->child(1));
        dialog->accept();
    });
    QTest::mouseClick(deviceButton(), Qt::LeftButton);
    EXPECT_EQ(title, "Brennix Devices");
    EXPECT_EQ(items, QStringList({"Brennix Device", "000@Brax-VexaL", "013@Brax-Olmi"}));
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(property("DeviceNumber").toInt(), 13);
}

// The field kinds the built pages use least, on a page of the sample
// control's: a chooser tree, a hidden edit that a button fills, a list box
// and a date-time picker.
class EveryKindPage final : public com::pages::PropertyPage {
  public:
    EveryKindPage() : PropertyPage("Every kind") {
        using com::pages::FieldKind;
        add(kind(FieldKind::Tree, "Title", "Brennix Device", {"001@Brax-VexaL", "002@Brax-Olmi"}));
        add(kind(FieldKind::HiddenEdit, "Interval", ""));
        add(kind(FieldKind::Button, "", "Device"));
        add(com::pages::listField("Mode", "Mode:", {"External", "Software", "Timer"},
                                  FieldKind::ListBox));
        add(kind(FieldKind::DateTime, "", "When:"));
        com::pages::Field fixed = com::pages::textField("Caption", "Caption:");
        fixed.locked = true;
        add(std::move(fixed));
    }

  private:
    static com::pages::Field kind(com::pages::FieldKind k, std::string property, std::string label,
                                  std::vector<std::string> entries = {}) {
        com::pages::Field f;
        f.kind = k;
        f.property = std::move(property);
        f.label = std::move(label);
        f.entries = std::move(entries);
        return f;
    }

    void buttonPressed(com::pages::Field& f) override {
        if (f.label == "Device")
            field("Interval")->value = com::Variant(std::int32_t{42});
    }

    void opened() override {
        field("When:")->displayFormat = "yyyy'/'MM'/'dd";
        field("When:")->value = com::Variant(std::string("2026-12-09 18:00:00"));
        field("Caption")->value = com::Variant(std::string("fixed"));
    }
};

class SheetFieldsTest : public PropertySheetTest {
  protected:
    PropertySheet& openEveryKind() {
        form_ = std::make_unique<QWidget>();
        widget_ = new ControlWidget(QString::fromLatin1(kSampleProgId), form_.get());
        form_->show();
        std::vector<std::unique_ptr<com::pages::PropertyPage>> pages;
        pages.push_back(std::make_unique<EveryKindPage>());
        sheet_ = std::make_unique<PropertySheet>(*widget_, std::move(pages));
        sheet_->show();
        return *sheet_;
    }
};

TEST_F(SheetFieldsTest, TheTreeChoosesAChildByTextAndTheRootChoosesNothing) {
    openEveryKind();
    auto* tree = field<QTreeWidget>("Every kind", "Title");
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Brennix Device");
    ASSERT_EQ(root->childCount(), 2);
    tree->setCurrentItem(root->child(1));
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(property("Title").toString(), "002@Brax-Olmi");
    tree->setCurrentItem(root);
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(property("Title").toString(), "");
}

TEST_F(SheetFieldsTest, AButtonFillsAHiddenEditThatIsAppliedUnseen) {
    openEveryKind();
    QWidget* hidden = tab("Every kind").fieldWidget(QStringLiteral("Interval"));
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->isVisible());
    QTest::mouseClick(field<QPushButton>("Every kind", "Device"), Qt::LeftButton);
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(property("Interval").toInt(), 42);
}

TEST_F(SheetFieldsTest, AListBoxRowIsTheValueAndTheDateIsTextShownInItsFormat) {
    openEveryKind();
    field<QListWidget>("Every kind", "Mode")->setCurrentRow(2);
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(widget_->control()->get("Mode")->toInt32().value(), 2);

    auto* when = field<QDateTimeEdit>("Every kind", "When:");
    ASSERT_NE(when, nullptr);
    EXPECT_EQ(when->displayFormat(), "yyyy'/'MM'/'dd");
    EXPECT_EQ(when->text(), "2026/12/09");
    when->setDateTime(QDateTime(QDate(2027, 1, 2), QTime(6, 30, 15)));
    EXPECT_EQ(sheet_->page(0).field("When:")->value,
              com::Variant(std::string("2027-01-02 06:30:15")));
}

TEST_F(SheetFieldsTest, ALockedFieldIsShownDisabledAndStillApplied) {
    openEveryKind();
    QWidget* caption = tab("Every kind").fieldWidget(QStringLiteral("Caption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(caption->isVisible());
    EXPECT_FALSE(caption->isEnabled());
    press(QDialogButtonBox::Apply);
    EXPECT_EQ(property("Caption").toString(), "fixed");
}

}  // namespace
}  // namespace brennix::qt::testing
