#include <gtest/gtest.h>

#include "platform/com/font_object.h"
#include "platform/com/message_box.h"
#include "platform/com/pages/stock_pages.h"
#include "platform/com/pages/tree_chooser.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::pages {
namespace {

using testing::CSampleCtrl;

class StockPages : public ::testing::Test {
  protected:
    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    MessageRecorder messages;
};

TEST_F(StockPages, TheColourPageListsTheColourPropertiesAndEditsTheSelectedOne) {
    CStockColorPage page;
    page.open(*control);
    const Field& list = *page.field(CStockColorPage::kProperty);
    EXPECT_EQ(list.entries,
              (std::vector<std::string>{"BackColor", "ForeColor", "LineColor", "BkColor"}));
    page.setValue(CStockColorPage::kProperty, Variant(std::int32_t{2}));
    EXPECT_EQ(*page.field(CStockColorPage::kColor)->value.toColor(), 0xFF00FFu);
    page.setValue(CStockColorPage::kColor, Variant::fromColor(0x00FF00));
    page.setValue(CStockColorPage::kProperty, Variant(std::int32_t{0}));
    page.setValue(CStockColorPage::kColor, Variant::fromColor(0x123456));
    ASSERT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(*control->get("LineColor")->toColor(), 0x00FF00u);
    EXPECT_EQ(*control->get("BackColor")->toColor(), 0x123456u);
    EXPECT_FALSE(page.dirty());
}

TEST_F(StockPages, TheFontPageWritesTheFontBackWhole) {
    CStockFontPage page;
    page.open(*control);
    EXPECT_EQ(page.field(CStockFontPage::kProperty)->entries, std::vector<std::string>{"Font"});
    const std::string face = *page.field("Font:")->value.toString();
    EXPECT_FALSE(face.empty());
    page.setValue("Size:", Variant("14"));
    page.setValue("Bold", Variant(true));
    ASSERT_TRUE(page.apply(*control).ok());
    auto font = fontFromVariant(*control->get("Font"));
    ASSERT_TRUE(font.ok());
    EXPECT_EQ(font->points, 14.0);
    EXPECT_TRUE(font->bold);
    EXPECT_EQ(font->face, face);

    page.setValue("Size:", Variant("big"));
    EXPECT_TRUE(page.apply(*control).refused);
}

TEST(StockPageClasses, TheStockPagesAreCreatedUnderThePlatformsIdentifiers) {
    PageRegistry registry;
    ASSERT_TRUE(registerStockPages(registry).ok());
    EXPECT_EQ(registry.find(kStockColorPageId)->title, "Color");
    EXPECT_EQ(registry.find(kStockFontPageId)->title, "Font");
    EXPECT_TRUE(registry.create(kStockFontPageId).ok());
}

TEST(PageListings, AControlsListingIsFoundByEitherIdentifierAndReplacedByALaterOne) {
    PageRegistry registry;
    const std::string control = "{11111111-2222-3333-4444-555555555555}";
    ASSERT_TRUE(
        registry.list({control, "SAMPLE.SampleCtrl.1", {std::string(kStockColorPageId)}}).ok());
    EXPECT_EQ(registry.pagesOf("sample.samplectrl.1").size(), 1u);
    ASSERT_TRUE(registry
                    .list({control,
                           "SAMPLE.SampleCtrl.1",
                           {std::string(kStockColorPageId), std::string(kStockFontPageId)}})
                    .ok());
    EXPECT_EQ(registry.pagesOf(control).size(), 2u);
    EXPECT_TRUE(registry.pagesOf("OTHER.Ctrl.1").empty());
    EXPECT_FALSE(registry.list({"not an id", "X.Y.1", {}}).ok());
    EXPECT_FALSE(registry.list({control, "X.Y.1", {"nor this"}}).ok());
}

class CountingChooser final : public TreeChooser {
  public:
    std::string title() const override { return "T"; }
    std::string rootText() const override { return "R"; }
    const std::vector<std::string>& children() const override { return children_; }
    bool accept(std::optional<std::size_t> /*child*/) override { return ++accepts > 0; }
    void cancel() override { ++cancels; }
    int accepts = 0;
    int cancels = 0;

  private:
    std::vector<std::string> children_{"a"};
};

TEST(TreeChoosers, WithoutAHostRunnerAChooserIsCancelled) {
    CountingChooser chooser;
    runChooser(chooser);
    EXPECT_EQ(chooser.cancels, 1);
    auto previous = installChooserRunner([](TreeChooser& c) { (void)c.accept(0); });
    runChooser(chooser);
    EXPECT_EQ(chooser.accepts, 1);
    installChooserRunner(std::move(previous));
}

}  // namespace
}  // namespace brennix::com::pages
