#pragma once
// The one property page of each equipment control: the style as radio
// buttons, each showing the control's own drawing of that style, the colour
// as a number, and for the Pipe its edge and blink interval.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "equipment/draw/style_table.h"
#include "platform/com/control.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::equipment {

// A fresh control of the page's class, to draw the style pictures.
using ControlMaker = std::function<std::shared_ptr<com::Control>()>;

class CEquipmentPropPage : public com::pages::PropertyPage {
  public:
    // title: "Motor"; styleProperty/colorProperty: the control's names;
    // styles: the drawings of the control.
    CEquipmentPropPage(std::string_view title, std::string_view styleProperty,
                       std::string_view colorProperty, const StyleTable& styles, ControlMaker make);

    const std::string& styleProperty() const { return style_; }

  private:
    // Draws style n as the control does, in the colour the page holds, in
    // the largest part of the rectangle that keeps the style's aspect.
    void drawStyle(gfx::Canvas& canvas, const gfx::Rect& box, std::size_t style) const;

    std::string style_;
    std::string color_;
    const StyleTable* styles_;
    ControlMaker make_;
};

class CPipePropPage final : public CEquipmentPropPage {
  public:
    CPipePropPage();
};

// The page classes of the library, to register in a page registry, each
// control listing its one page.
std::vector<com::pages::PageClass> plantwerkPageClasses();
com::Status registerPlantwerkPages(com::pages::PageRegistry& registry);

}  // namespace brennix::equipment
