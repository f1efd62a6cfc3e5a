#pragma once
// The analog-output control's property page: the output channel, as many as
// the board of the device has.

#include "daq/common/device_page.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::daq::pellam {

inline constexpr std::string_view kPageClassId = "{3D8E51A4-07C2-4B69-A1F5-92E4C6B08D37}";
inline constexpr std::string_view kPageProgId = "PELLAM.PellamPropPage.1";
inline constexpr std::string_view kPageTitle = "General";

class CPellamPropPage final : public DevicePage {
  public:
    CPellamPropPage();

  private:
    void adapt(const BoardEntry& board) override;
};

com::pages::PageClass pageClass();
// The page class, and that the control lists it as its one page.
com::Status registerPages(com::pages::PageRegistry& registry);

}  // namespace brennix::daq::pellam
