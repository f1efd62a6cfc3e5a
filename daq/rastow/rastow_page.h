#pragma once
// The digital-output control's property page: the port, as many as the board
// of the device has, and the bit.

#include "daq/common/port_pages.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::daq::rastow {

inline constexpr std::string_view kPageClassId = "{91F6D3B2-8E47-4C15-A0B9-3D2C7E5F1A48}";
inline constexpr std::string_view kPageProgId = "RASTOW.RastowPropPage.1";
inline constexpr std::string_view kPageTitle = "General";

class CRastowPropPage final : public DigitalPortPage {
  public:
    CRastowPropPage();
};

com::pages::PageClass pageClass();
// The page class, and that the control lists it as its one page.
com::Status registerPages(com::pages::PageRegistry& registry);

}  // namespace brennix::daq::rastow
