#pragma once
// The pulse-output control's property page: the timer channel, as many as the
// board of the device has, and the pulse width.

#include "daq/common/port_pages.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::daq::sarnet {

inline constexpr std::string_view kPageClassId = "{5B0A8C67-D219-4E83-B6F4-08A1E3C9D752}";
inline constexpr std::string_view kPageProgId = "SARNET.SarnetPropPage.1";
inline constexpr std::string_view kPageTitle = "General";

class CSarnetPropPage final : public TimerChannelPage {
  public:
    CSarnetPropPage();
};

com::pages::PageClass pageClass();
// The page class, and that the control lists it as its one page.
com::Status registerPages(com::pages::PageRegistry& registry);

}  // namespace brennix::daq::sarnet
