#include "instruments/pages/panelmoor_pages.h"

#include <memory>

#include "instruments/boolean/boolean_class.h"
#include "instruments/knob/knob_class.h"
#include "instruments/pages/general_pages.h"
#include "instruments/pages/page_identities.h"
#include "instruments/pages/scale_pages.h"
#include "instruments/seven_segment/e7segment_class.h"
#include "instruments/slide/slide_class.h"

namespace brennix::instruments {
namespace {

using com::pages::PageClass;

template <class Page>
PageClass pageClass(const PageIdentity& page) {
    return {std::string(page.classId), std::string(page.progId), std::string(page.title),
            [] { return std::make_unique<Page>(); }};
}

std::string id(const PageIdentity& page) {
    return std::string(page.classId);
}

}  // namespace

std::vector<PageClass> panelmoorPageClasses() {
    return {
        pageClass<CPrpNumeric>(kNumericPage),
        pageClass<CPrpTicks>(kTicksPage),
        pageClass<CPrpFormat>(kFormatPage),
        pageClass<CPrpPointer>(kPointerPage),
        pageClass<CValuePairs>(kValuePairsPage),
        pageClass<CPointers>(kPointersPage),
        pageClass<CKnobPropPage>(kKnobPage),
        pageClass<CSlidePropPage>(kSlidePage),
        pageClass<CE7SegmentPropPage>(kE7SegmentPage),
        pageClass<CPropertyPanel>(kPanelPage),
        pageClass<CBooleanPropPage>(kBooleanPage),
        pageClass<CBooleanPrpButton>(kBooleanButtonPage),
        pageClass<CBooleanPrpText>(kBooleanTextPage),
    };
}

com::Status registerPanelmoorPages(com::pages::PageRegistry& registry) {
    for (PageClass& page : panelmoorPageClasses()) {
        if (com::Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    const std::pair<const InstrumentClass&, std::string_view> controls[] = {
        {kKnobClass, "Knob"},
        {kSlideClass, "Slide"},
        {kE7SegmentClass, "E7Segment"},
        {kBooleanClass, "Boolean"}};
    for (const auto& [control, name] : controls) {
        if (com::Status s = registry.list(
                {std::string(control.classId), std::string(control.progId), pagesOf(name)});
            !s.ok())
            return s;
    }
    return com::ok();
}

std::vector<std::string> pagesOf(std::string_view controlName) {
    const std::string color(com::pages::kStockColorPageId);
    const std::string font(com::pages::kStockFontPageId);
    if (controlName == "Knob" || controlName == "Slide") {
        return {id(controlName == "Knob" ? kKnobPage : kSlidePage),
                id(kNumericPage),
                id(kTicksPage),
                id(kFormatPage),
                id(kPointerPage),
                color,
                font};
    }
    if (controlName == "E7Segment")
        return {id(kE7SegmentPage), id(kPanelPage), color};
    if (controlName == "Boolean")
        return {id(kBooleanPage), id(kBooleanButtonPage), id(kBooleanTextPage), color, font};
    return {};
}

}  // namespace brennix::instruments
