#include "equipment/pages/equipment_pages.h"

#include <cstdint>
#include <limits>
#include <string>

#include "equipment/draw/motor_symbols.h"
#include "equipment/draw/pipe_symbols.h"
#include "equipment/draw/pump_symbols.h"
#include "equipment/draw/tank_symbols.h"
#include "equipment/draw/valve_symbols.h"

namespace brennix::equipment {
namespace {

using namespace com::pages;

std::vector<std::string> styleButtons(std::size_t count) {
    std::vector<std::string> buttons;
    for (std::size_t i = 0; i < count; ++i)
        buttons.push_back("Style " + std::to_string(i));
    return buttons;
}

// The colour is typed as a signed 32-bit number: system colours are the
// negative bit patterns.
Field colorNumber(std::string_view property) {
    return rangedField(std::string(property), "Color:", std::numeric_limits<std::int32_t>::min(),
                       std::numeric_limits<std::int32_t>::max());
}

template <class Page, class... Args>
PageClass pageClass(std::string classId, std::string progId, std::string title, Args... args) {
    return {std::move(classId), std::move(progId), std::move(title),
            [=] { return std::make_unique<Page>(args...); }};
}

}  // namespace

CEquipmentPropPage::CEquipmentPropPage(std::string_view title, std::string_view styleProperty,
                                       std::string_view colorProperty, std::size_t styleCount)
    : PropertyPage(std::string(title)) {
    add(radioField(std::string(styleProperty), "Style", styleButtons(styleCount)));
    add(colorNumber(colorProperty));
}

CPipePropPage::CPipePropPage() : PropertyPage("Pipe") {
    add(radioField("PipeStyle", "Style", styleButtons(pipeStyles().styles.size())));
    add(colorNumber("PipeColor"));
    add(checkField("Edge", "Edge"));
    add(rangedField("Interval", "Interval:", 1, 6000));
}

std::vector<PageClass> plantwerkPageClasses() {
    return {
        pageClass<CEquipmentPropPage>("{0C913F2E-C73A-47E9-9D44-27DC4787D0B7}",
                                      "PLANTWERK.MotorPropPage.1", "Motor", "Motor", "MotorStyle",
                                      "Color", motorStyles().styles.size()),
        pageClass<CEquipmentPropPage>("{99B08EE2-4A01-4FE3-A2F2-D6571A584BEE}",
                                      "PLANTWERK.PumpPropPage.1", "Pump", "Pump", "PumpStyle",
                                      "PumpColor", pumpStyles().styles.size()),
        pageClass<CEquipmentPropPage>("{1413DA66-A4D2-4F6C-AEDA-B16686841302}",
                                      "PLANTWERK.TankPropPage.1", "Tank", "Tank", "TankStyle",
                                      "TankColor", tankStyles().styles.size()),
        pageClass<CEquipmentPropPage>("{5ADA5203-19BF-4D7F-AEB5-5C557FC935EA}",
                                      "PLANTWERK.ValuePropPage.1", "Value", "Value", "ValueStyle",
                                      "ValueColor", valveStyles().styles.size()),
        pageClass<CPipePropPage>("{090F4027-2FA9-46E5-AB76-96ED94D2BAC5}",
                                 "PLANTWERK.PipePropPage.1", "Pipe"),
    };
}

com::Status registerPlantwerkPages(PageRegistry& registry) {
    for (PageClass& page : plantwerkPageClasses()) {
        if (com::Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    return com::ok();
}

}  // namespace brennix::equipment
