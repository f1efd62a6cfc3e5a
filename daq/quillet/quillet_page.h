#pragma once
// The digital-input control's property page: the port, as many as the board
// of the device has, and the bit.

#include "daq/common/port_pages.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::daq::quillet {

inline constexpr std::string_view kPageClassId = "{C47B2E93-1A65-4F08-8D3C-5B9E07A2F614}";
inline constexpr std::string_view kPageProgId = "QUILLET.QuilletPropPage.1";
inline constexpr std::string_view kPageTitle = "General";

class CQuilletPropPage final : public DigitalPortPage {
  public:
    CQuilletPropPage();
};

com::pages::PageClass pageClass();
// The page class, and that the control lists it as its one page.
com::Status registerPages(com::pages::PageRegistry& registry);

}  // namespace brennix::daq::quillet
