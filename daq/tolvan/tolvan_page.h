#pragma once
// The counter control's property page: the timer channel, as many as the board
// of the device has, and the preset value.

#include "daq/common/port_pages.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::daq::tolvan {

inline constexpr std::string_view kPageClassId = "{E2C95F18-4B73-4A06-9D81-C6F2B0A47E35}";
inline constexpr std::string_view kPageProgId = "TOLVAN.TolvanPropPage.1";
inline constexpr std::string_view kPageTitle = "General";

class CTolvanPropPage final : public TimerChannelPage {
  public:
    CTolvanPropPage();
};

com::pages::PageClass pageClass();
// The page class, and that the control lists it as its one page.
com::Status registerPages(com::pages::PageRegistry& registry);

}  // namespace brennix::daq::tolvan
