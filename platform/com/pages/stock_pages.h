#pragma once
// The platform's stock colour and font pages as page models. Each lists the
// control's properties of its type; the fields below the list edit the one
// selected, and applying writes every property that was changed.

#include <string>
#include <vector>

#include "platform/com/pages/page_registry.h"

namespace brennix::com::pages {

class CStockColorPage final : public PropertyPage {
  public:
    static constexpr const char* kProperty = "Property Name:";
    static constexpr const char* kColor = "Color:";
    CStockColorPage();

  private:
    void opening(std::span<Dispatch* const> controls) override;
    void opened() override;
    void fieldChanged(Field& field) override;
    void showSelected();
};

// The font fields are bound as "<property>.Name", ".Size", ".Bold" and
// ".Italic" of the selected font property.
class CStockFontPage final : public PropertyPage {
  public:
    static constexpr const char* kProperty = "Property Name:";
    CStockFontPage();

  private:
    void opening(std::span<Dispatch* const> controls) override;
    void opened() override;
    void fieldChanged(Field& field) override;
    Result<Variant> readProperty(Dispatch& control, const Field& field) override;
    Status writeProperty(Dispatch& control, const Field& field, const Variant& value) override;
    void showSelected();

    std::vector<std::string> properties_;
};

// Both stock pages under the platform's identifiers.
std::vector<PageClass> stockPageClasses();
Status registerStockPages(PageRegistry& registry);

}  // namespace brennix::com::pages
