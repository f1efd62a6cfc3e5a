#include <gtest/gtest.h>

#include "instruments/boolean/boolean_ctrl.h"
#include "instruments/knob/knob_ctrl.h"
#include "instruments/library/panelmoor_library.h"
#include "instruments/pages/general_pages.h"
#include "instruments/pages/panelmoor_pages.h"
#include "instruments/pages/scale_pages.h"
#include "instruments/seven_segment/e7segment_ctrl.h"
#include "instruments/slide/slide_ctrl.h"
#include "platform/com/message_box.h"
#include "platform/com/pages/stock_pages.h"

namespace brennix::instruments {
namespace {

using com::Variant;

class ScalePages : public ::testing::Test {
  protected:
    std::shared_ptr<CKnobCtrl> knob = com::createControl<CKnobCtrl>();
    std::shared_ptr<CSlideCtrl> slide = com::createControl<CSlideCtrl>();
    com::MessageRecorder messages;
};

TEST_F(ScalePages, EverySharedPageBindsToPropertiesBothControlsHave) {
    CPrpNumeric numeric;
    CPrpTicks ticks;
    CPrpFormat format;
    CPrpPointer pointer;
    for (com::Dispatch* control :
         {static_cast<com::Dispatch*>(knob.get()), static_cast<com::Dispatch*>(slide.get())}) {
        for (com::pages::PropertyPage* page : {static_cast<com::pages::PropertyPage*>(&numeric),
                                               static_cast<com::pages::PropertyPage*>(&ticks),
                                               static_cast<com::pages::PropertyPage*>(&format),
                                               static_cast<com::pages::PropertyPage*>(&pointer)}) {
            page->open(*control);
            for (const auto& f : page->fields()) {
                if (f.bound()) {
                    EXPECT_TRUE(f.enabled) << page->title() << " " << f.property;
                }
            }
        }
    }
}

TEST_F(ScalePages, TheTicksPageRefusesSpacingOutsideItsRange) {
    CPrpTicks page;
    page.open(*knob);
    page.setValue("SpacingMinor", Variant("4"));
    page.setValue("SpacingMajor", Variant("101"));
    auto outcome = page.apply(*knob);
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.message, "Please enter an integer between 1 and 100.");
    EXPECT_NE(*knob->get("SpacingMinor")->toInt32(), 4);

    page.setValue("SpacingMajor", Variant("100"));
    page.setValue("SpacingBase", Variant("-32768"));
    ASSERT_TRUE(page.apply(*knob).ok());
    EXPECT_EQ(*knob->get("SpacingMajor")->toInt32(), 100);
    EXPECT_EQ(*knob->get("SpacingMinor")->toInt32(), 4);
    EXPECT_EQ(*knob->get("SpacingBase")->toInt32(), -32768);
}

TEST_F(ScalePages, TheFormatListIsRefilledForEachClass) {
    CPrpFormat page;
    page.open(*knob);
    const std::size_t counts[] = {5, 2, 6, 4, 2, 8};
    for (std::int32_t formatClass = 0; formatClass < 6; ++formatClass) {
        page.setValue("FormatClass", Variant(formatClass));
        EXPECT_EQ(page.field("Format")->entries.size(), counts[formatClass]) << formatClass;
    }
    page.setValue("FormatClass", Variant(std::int32_t{1}));
    EXPECT_EQ(page.field("Format")->entries, (std::vector<std::string>{"e", "E"}));
}

TEST_F(ScalePages, TheExampleShowsTheSampleAsTheControlWouldLabelIt) {
    CPrpFormat page;
    page.open(*slide);
    for (std::int32_t formatClass = 0; formatClass < 6; ++formatClass) {
        page.setValue("FormatClass", Variant(formatClass));
        page.setValue("Format", Variant(std::int32_t{1}));
        page.setValue(CPrpFormat::kSample, Variant("0.25"));
        ASSERT_TRUE(page.apply(*slide).ok());
        ASSERT_TRUE(slide->put("Value", Variant(0.25)).ok());
        EXPECT_EQ(*page.field(CPrpFormat::kExample)->value.toString(), slide->valueText())
            << formatClass;
    }
    page.setValue(CPrpFormat::kSample, Variant("abc"));
    EXPECT_EQ(*page.field(CPrpFormat::kExample)->value.toString(), "");
    EXPECT_TRUE(page.apply(*slide).refused);
}

TEST_F(ScalePages, ThePointerFieldsEditTheChosenPointer) {
    CPrpPointer page;
    page.open(*knob);
    page.setValue(CPrpPointer::kSelector, Variant(std::int32_t{2}));
    page.setValue(CPrpPointer::kValue, Variant("42.5"));
    page.setValue(CPrpPointer::kVisible, Variant(true));
    page.setValue(CPrpPointer::kColor, Variant::fromColor(0x00FF00));
    page.setValue(CPrpPointer::kSelector, Variant(std::int32_t{0}));
    EXPECT_NE(*page.field(CPrpPointer::kValue)->value.toDouble(), 42.5);
    ASSERT_TRUE(page.apply(*knob).ok());
    EXPECT_DOUBLE_EQ(*knob->get("Pointer3Value")->toDouble(), 42.5);
    EXPECT_TRUE(*knob->get("Pointer3Visible")->toBool());
    EXPECT_EQ(*knob->get("Pointer3Color")->toColor(), 0x00FF00u);

    page.setValue(CPrpPointer::kSelector, Variant(std::int32_t{2}));
    EXPECT_DOUBLE_EQ(*page.field(CPrpPointer::kValue)->value.toDouble(), 42.5);
}

TEST(InstrumentPageClasses, ControlsListTheirPagesInSheetOrder) {
    com::pages::PageRegistry registry;
    ASSERT_TRUE(registerPanelmoorPages(registry).ok());
    const auto knobPages = pagesOf("Knob");
    ASSERT_EQ(knobPages.size(), 7u);
    const char* titles[] = {"Numeric", "Ticks", "Format", "Pointer"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(registry.find(knobPages[i + 1]), nullptr);
        EXPECT_EQ(registry.find(knobPages[i + 1])->title, titles[i]);
    }
    EXPECT_EQ(knobPages[5], com::pages::kStockColorPageId);
    EXPECT_EQ(knobPages[6], com::pages::kStockFontPageId);
    auto slidePages = pagesOf("Slide");
    EXPECT_NE(slidePages[0], knobPages[0]);
    EXPECT_TRUE(std::equal(slidePages.begin() + 1, slidePages.end(), knobPages.begin() + 1));
    EXPECT_EQ(pagesOf("E7Segment").size(), 3u);
    EXPECT_EQ(pagesOf("Boolean").size(), 5u);
    // Registered but listed by no control.
    EXPECT_NE(registry.find("PANELMOOR.ValuePairs.1"), nullptr);
    EXPECT_NE(registry.find("PANELMOOR.Pointers.1"), nullptr);

    EXPECT_EQ(registry.pagesOf("PANELMOOR.KnobCtrl.1"), knobPages);
    EXPECT_EQ(registry.pagesOf("PANELMOOR.BooleanCtrl.1"), pagesOf("Boolean"));
    EXPECT_EQ(library().pageClasses().size(), registry.pages().size());
}

TEST(InstrumentPageClasses, EveryListedPageBindsOnlyPropertiesItsControlHas) {
    com::pages::PageRegistry registry;
    ASSERT_TRUE(registerPanelmoorPages(registry).ok());
    ASSERT_TRUE(com::pages::registerStockPages(registry).ok());
    com::MessageRecorder messages;
    const std::pair<const char*, std::shared_ptr<com::Control>> controls[] = {
        {"Knob", com::createControl<CKnobCtrl>()},
        {"Slide", com::createControl<CSlideCtrl>()},
        {"E7Segment", com::createControl<CE7SegmentCtrl>()},
        {"Boolean", com::createControl<CBooleanCtrl>()}};
    for (const auto& [name, control] : controls) {
        for (const std::string& id : pagesOf(name)) {
            auto page = registry.create(id);
            ASSERT_TRUE(page.ok()) << name << " " << id;
            (*page)->open(*control);
            for (const auto& f : (*page)->fields()) {
                if (f.bound()) {
                    EXPECT_TRUE(f.enabled) << name << " " << f.property;
                }
            }
            EXPECT_TRUE((*page)->apply(*control).ok()) << name << " " << (*page)->title();
        }
    }
}

TEST(InstrumentPageClasses, TheDigitCountIsRefusedBeyondFifty) {
    com::MessageRecorder messages;
    auto display = com::createControl<CE7SegmentCtrl>();
    CE7SegmentPropPage page;
    page.open(*display);
    page.setValue("DigitNumber", Variant("51"));
    EXPECT_EQ(page.apply(*display).message, "Please enter an integer between 1 and 50.");
    page.setValue("DigitNumber", Variant("50"));
    EXPECT_TRUE(page.apply(*display).ok());
    EXPECT_EQ(*display->get("DigitNumber")->toInt32(), 50);
}

}  // namespace
}  // namespace brennix::instruments
