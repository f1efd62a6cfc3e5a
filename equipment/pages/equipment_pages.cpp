#include "equipment/pages/equipment_pages.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
#include "equipment/control/plantwerk_library.h"
#include "equipment/control/pump_ctrl.h"
#include "equipment/control/tank_ctrl.h"
#include "equipment/control/value_ctrl.h"
#include "equipment/draw/motor_symbols.h"
#include "equipment/draw/pipe_symbols.h"
#include "equipment/draw/pump_symbols.h"
#include "equipment/draw/tank_symbols.h"
#include "equipment/draw/valve_symbols.h"
#include "equipment/pages/page_identities.h"

namespace brennix::equipment {
namespace {

using namespace com::pages;
using com::Variant;

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

// The part of box a style of that aspect fills, centred.
gfx::Rect fitted(const gfx::Rect& box, const com::AspectRule& aspect) {
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    if (aspect.keepsProposal())
        return box;
    int fw = w;
    int fh = aspect.heightFromWidth(w);
    if (fh > h) {
        fh = h;
        fw = std::min(w, aspect.widthFromHeight(h));
    }
    const int left = box.left + (w - fw) / 2;
    const int top = box.top + (h - fh) / 2;
    return {left, top, left + fw, top + fh};
}

// The colour field's value as a number: typed text, or what opening read;
// nothing before the page is opened.
std::optional<std::int32_t> typedColor(const Variant& value) {
    if (value.isEmpty())
        return std::nullopt;
    if (value.type() != com::VarType::String) {
        auto n = value.toInt32();
        return n ? std::optional<std::int32_t>(*n) : std::nullopt;
    }
    const std::string text = *value.toString();
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || end == nullptr || *end != '\0' || errno != 0 ||
        n < std::numeric_limits<std::int32_t>::min() ||
        n > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(n);
}

template <class C>
ControlMaker maker() {
    return [] { return std::shared_ptr<com::Control>(com::createControl<C>()); };
}

struct PageOf {
    const PageIdentity& page;
    const EquipmentClass& control;
};

}  // namespace

CEquipmentPropPage::CEquipmentPropPage(std::string_view title, std::string_view styleProperty,
                                       std::string_view colorProperty, const StyleTable& styles,
                                       ControlMaker make)
    : PropertyPage(std::string(title)),
      style_(styleProperty),
      color_(colorProperty),
      styles_(&styles),
      make_(std::move(make)) {
    Field& style = add(radioField(style_, "Style", styleButtons(styles.styles.size())));
    // The page outlives its fields' use: hosts draw while the page is open.
    style.entryPicture = [this](gfx::Canvas& canvas, const gfx::Rect& box, std::size_t n) {
        drawStyle(canvas, box, n);
    };
    add(colorNumber(colorProperty));
}

void CEquipmentPropPage::drawStyle(gfx::Canvas& canvas, const gfx::Rect& box,
                                   std::size_t style) const {
    if (style >= styles_->styles.size())
        return;
    auto control = make_();
    if (!control)
        return;
    // A colour still being typed is not a number yet; the picture keeps the
    // control's own colour meanwhile.
    if (auto color = typedColor(field(color_)->value))
        (void)control->put(color_, Variant(*color));
    (void)control->put(style_, Variant(static_cast<std::int16_t>(style)));
    canvas.fillRect(box, control->translateColor(control->backColor()));
    control->draw(canvas, fitted(box, styles_->styles[style].aspect));
}

CPipePropPage::CPipePropPage()
    : CEquipmentPropPage("Pipe", "PipeStyle", "PipeColor", pipeStyles(), maker<CPipeCtrl>()) {
    add(checkField("Edge", "Edge"));
    add(rangedField("Interval", "Interval:", 1, 6000));
}

std::vector<PageClass> plantwerkPageClasses() {
    const auto symbol = [](const PageIdentity& page, const char* style, const char* color,
                           const StyleTable& (*styles)(), ControlMaker make) {
        return PageClass{std::string(page.classId), std::string(page.progId),
                         std::string(page.title), [=] {
                             return std::make_unique<CEquipmentPropPage>(page.title, style, color,
                                                                         styles(), make);
                         }};
    };
    return {
        symbol(kMotorPage, "MotorStyle", "Color", motorStyles, maker<CMotorCtrl>()),
        symbol(kPumpPage, "PumpStyle", "PumpColor", pumpStyles, maker<CPumpCtrl>()),
        symbol(kTankPage, "TankStyle", "TankColor", tankStyles, maker<CTankCtrl>()),
        symbol(kValuePage, "ValueStyle", "ValueColor", valveStyles, maker<CValueCtrl>()),
        {std::string(kPipePage.classId), std::string(kPipePage.progId),
         std::string(kPipePage.title), [] { return std::make_unique<CPipePropPage>(); }},
    };
}

com::Status registerPlantwerkPages(PageRegistry& registry) {
    for (PageClass& page : plantwerkPageClasses()) {
        if (com::Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    const PageOf listed[] = {{kMotorPage, kMotor},
                             {kPumpPage, kPump},
                             {kTankPage, kTank},
                             {kValuePage, kValue},
                             {kPipePage, kPipe}};
    for (const PageOf& p : listed) {
        if (com::Status s = registry.list({std::string(p.control.classId),
                                           std::string(p.control.progId),
                                           {std::string(p.page.classId)}});
            !s.ok())
            return s;
    }
    return com::ok();
}

}  // namespace brennix::equipment
