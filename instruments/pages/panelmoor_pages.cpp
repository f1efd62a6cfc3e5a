#include "instruments/pages/panelmoor_pages.h"

#include <memory>

#include "instruments/pages/general_pages.h"
#include "instruments/pages/scale_pages.h"

namespace brennix::instruments {
namespace {

using com::pages::PageClass;

constexpr const char* kNumericId = "{A7E715B6-BAE0-41B5-A6B8-CDF0688E5A04}";
constexpr const char* kTicksId = "{DB4B96D6-B4CE-4996-8102-6716BE4BD611}";
constexpr const char* kFormatId = "{B1B0954D-785A-4645-AB30-A39B1325615B}";
constexpr const char* kPointerId = "{90CD0A83-14C5-4D4E-9159-44502DE34722}";
constexpr const char* kValuePairsId = "{00675421-E865-454A-85D3-ED8A7733229F}";
constexpr const char* kPointersId = "{0A8CF6F8-ACB1-49F8-B0CE-4999417BD4F1}";
// The general pages of the four controls and the displays' further pages.
constexpr const char* kKnobId = "{187C35B0-CD68-471A-BC70-39030202A002}";
constexpr const char* kSlideId = "{D8526815-6209-43AC-A1F3-CEA94AB9CBB7}";
constexpr const char* kE7SegmentId = "{7BB5C0DF-76D9-4D11-B079-7A0210963B5D}";
constexpr const char* kPanelId = "{18B2551E-3914-45A3-8F6F-CB22338F6A20}";
constexpr const char* kBooleanId = "{4E099F2A-3F0D-4B2A-9473-7ECDF1B149B1}";
constexpr const char* kBooleanButtonId = "{6F0E2D51-86B7-4C0B-9E0C-2B4D2E4C7A11}";
constexpr const char* kBooleanTextId = "{3C8A9E70-5D21-4F6E-8B3A-9E1F4D6C2B22}";

template <class Page>
PageClass pageClass(const char* classId, const char* progId, const char* title) {
    return {classId, progId, title, [] { return std::make_unique<Page>(); }};
}

}  // namespace

std::vector<PageClass> panelmoorPageClasses() {
    return {
        pageClass<CPrpNumeric>(kNumericId, "PANELMOOR.PrpNumeric.1", "Numeric"),
        pageClass<CPrpTicks>(kTicksId, "PANELMOOR.PrpTicks.1", "Ticks"),
        pageClass<CPrpFormat>(kFormatId, "PANELMOOR.PrpFormat.1", "Format"),
        pageClass<CPrpPointer>(kPointerId, "PANELMOOR.PrpPointer.1", "Pointer"),
        pageClass<CValuePairs>(kValuePairsId, "PANELMOOR.ValuePairs.1", "Value Pairs"),
        pageClass<CPointers>(kPointersId, "PANELMOOR.Pointers.1", "Pointer"),
        pageClass<CKnobPropPage>(kKnobId, "PANELMOOR.KnobPropPage.1", "General"),
        pageClass<CSlidePropPage>(kSlideId, "PANELMOOR.SlidePropPage.1", "General"),
        pageClass<CE7SegmentPropPage>(kE7SegmentId, "PANELMOOR.E7SegmentPropPage.1", "General"),
        pageClass<CPropertyPanel>(kPanelId, "PANELMOOR.PropertyPanel.1", "Panel"),
        pageClass<CBooleanPropPage>(kBooleanId, "PANELMOOR.BooleanPropPage.1", "General"),
        pageClass<CBooleanPrpButton>(kBooleanButtonId, "PANELMOOR.BooleanPrpButton.1", "Button"),
        pageClass<CBooleanPrpText>(kBooleanTextId, "PANELMOOR.BooleanPrpText.1", "Text"),
    };
}

com::Status registerPanelmoorPages(com::pages::PageRegistry& registry) {
    for (PageClass& page : panelmoorPageClasses()) {
        if (com::Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    return com::ok();
}

std::vector<std::string> pagesOf(std::string_view controlName) {
    const std::string color(com::pages::kStockColorPageId);
    const std::string font(com::pages::kStockFontPageId);
    if (controlName == "Knob" || controlName == "Slide") {
        return {controlName == "Knob" ? kKnobId : kSlideId,
                kNumericId,
                kTicksId,
                kFormatId,
                kPointerId,
                color,
                font};
    }
    if (controlName == "E7Segment")
        return {kE7SegmentId, kPanelId, color};
    if (controlName == "Boolean")
        return {kBooleanId, kBooleanButtonId, kBooleanTextId, color, font};
    return {};
}

}  // namespace brennix::instruments
