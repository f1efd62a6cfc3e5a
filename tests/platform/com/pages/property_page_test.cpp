#include <gtest/gtest.h>

#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/pages/page_registry.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::pages {
namespace {

using testing::CSampleCtrl;

class SamplePage final : public PropertyPage {
  public:
    SamplePage() : PropertyPage("General") {
        add(textField("PlotNum", "Plot:"));
        add(rangedField("Interval", "Interval:", 1, 6000));
        add(textField("Title", "Title:"));
        add(listField("Mode", "Mode:", {"External", "Software", "Timer"}));
        add(colorField("LineColor", "Line:"));
        add(checkField("Missing", "Not a property"));
    }
};

class PageModel : public ::testing::Test {
  protected:
    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    SamplePage page;
    MessageRecorder messages;
};

TEST_F(PageModel, OpeningShowsTheControlsValuesAndDisablesUnknownProperties) {
    page.open(*control);
    EXPECT_EQ(*page.field("interval")->value.toInt32(), 500);
    EXPECT_EQ(*page.field("Title")->value.toString(), "Sample");
    EXPECT_EQ(*page.field("Mode")->value.toInt32(), 1);
    EXPECT_EQ(*page.field("LineColor")->value.toColor(), 0xFF00FFu);
    EXPECT_FALSE(page.field("Missing")->enabled);
    EXPECT_FALSE(page.dirty());
    EXPECT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(control->modeChanges(), 0);
}

TEST_F(PageModel, OnlyChangedFieldsAreWrittenAndTheirHandlersRun) {
    page.open(*control);
    page.setValue("Title", Variant("Flow"));
    page.setValue("Interval", Variant("500"));  // same number typed again
    EXPECT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(*control->get("Title")->toString(), "Flow");
    EXPECT_EQ(control->modeChanges(), 0);

    page.setValue("Mode", Variant(std::int32_t{2}));
    EXPECT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(control->modeChanges(), 1);
    EXPECT_FALSE(page.dirty());
}

TEST_F(PageModel, AFieldOutsideItsRangeRefusesTheWholeApply) {
    page.open(*control);
    page.setValue("Title", Variant("Flow"));
    page.setValue("Interval", Variant("6001"));
    ApplyOutcome outcome = page.apply(*control);
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.message, "Please enter an integer between 1 and 6000.");
    EXPECT_EQ(*control->get("Title")->toString(), "Sample");
    EXPECT_EQ(*control->get("Interval")->toInt32(), 500);
    EXPECT_TRUE(page.dirty());  // the edits stay for the user to mend

    for (const char* bad : {"0", "2.5", "12x", ""}) {
        page.setValue("Interval", Variant(bad));
        EXPECT_TRUE(page.apply(*control).refused) << bad;
    }
    page.setValue("Interval", Variant("6000"));
    EXPECT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(*control->get("Interval")->toInt32(), 6000);
    EXPECT_EQ(*control->get("Title")->toString(), "Flow");
}

TEST_F(PageModel, TheControlsOwnRefusalShowsItsMessageAndThePageShowsTheResetValue) {
    page.open(*control);
    page.setValue("PlotNum", Variant("9"));
    EXPECT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{std::string(CSampleCtrl::kPlotNumMessage)});
    EXPECT_EQ(*page.field("PlotNum")->value.toInt32(), control->plotNum());
}

TEST_F(PageModel, ApplyingWritesEverySelectedControl) {
    auto second = createControl<CSampleCtrl>();
    Dispatch* both[] = {control.get(), second.get()};
    page.open(both);
    page.setValue("Interval", Variant(std::int32_t{250}));
    EXPECT_TRUE(page.apply(both).ok());
    EXPECT_EQ(*control->get("Interval")->toInt32(), 250);
    EXPECT_EQ(*second->get("Interval")->toInt32(), 250);
}

TEST(PageRangeMessage, RealRangesAreWrittenAsNumbers) {
    EXPECT_EQ(rangeMessage({-1.7e308, 1.7e308, false}),
              "Please enter a number between -1.7e+308 and 1.7e+308.");
    EXPECT_EQ(rangeMessage({-32768, 32767, true}),
              "Please enter an integer between -32768 and 32767.");
}

TEST(PageRegistration, PagesAreFoundByIdentifierOrProgrammaticIdentifier) {
    PageRegistry registry;
    const auto make = [] { return std::make_unique<SamplePage>(); };
    EXPECT_TRUE(
        registry.add({"{294c0ae3-74e1-11d4-a691-0050baa83cea}", "Sample.Page", "General", make})
            .ok());
    EXPECT_TRUE(
        registry.add({"{294C0AE3-74E1-11D4-A691-0050BAA83CEA}", "Sample.Page", "General", make})
            .ok());
    EXPECT_EQ(registry.pages().size(), 1u);
    EXPECT_EQ(
        registry.add({"{294C0AE3-74E1-11D4-A691-0050BAA83CEA}", "Other.Page", "X", make}).error(),
        Error::AlreadyRegistered);
    EXPECT_EQ(registry.add({"not an id", "Third.Page", "X", make}).error(), Error::InvalidArgument);

    ASSERT_NE(registry.find("sample.page"), nullptr);
    EXPECT_EQ(registry.find("294C0AE3-74E1-11D4-A691-0050BAA83CEA")->title, "General");
    auto page = registry.create("Sample.Page");
    ASSERT_TRUE(page.ok());
    EXPECT_EQ((*page)->title(), "General");
    EXPECT_EQ(registry.create("Nobody.Page").error(), Error::ClassNotRegistered);
}

}  // namespace
}  // namespace brennix::com::pages
