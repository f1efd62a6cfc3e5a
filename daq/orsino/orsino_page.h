#pragma once
// The analog-input control's property page. Its lists follow the board of
// the device: the channels it has, the transfers it can make, the range or
// the gain list (the other is hidden) and which lists may change.
//
// The Fenq board's range is programmed from AdGain, so its page shows the
// AdGain list: page and control agree on the one property.

#include "daq/common/device_page.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::daq::orsino {

inline constexpr std::string_view kPageClassId = "{6A2F0C91-5B3E-4D78-9C14-E0B7A3D5F281}";
inline constexpr std::string_view kPageProgId = "ORSINO.ORSINOPropPage.1";
inline constexpr std::string_view kPageTitle = "General";

class CORSINOPropPage final : public DevicePage {
  public:
    CORSINOPropPage();

  private:
    void adapt(const BoardEntry& board) override;
    void started() override;
};

com::pages::PageClass pageClass();
// The page class, and that the control lists it as its one page.
com::Status registerPages(com::pages::PageRegistry& registry);

}  // namespace brennix::daq::orsino
