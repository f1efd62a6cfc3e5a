#include "daq/pellam/pellam_page.h"

#include "daq/pellam/pellam_library.h"

namespace brennix::daq::pellam {

namespace {

// Before a board is known: as many as any board has.
constexpr int kChannels = 6;

}  // namespace

CPellamPropPage::CPellamPropPage() : DevicePage(std::string(kPageTitle), ControlKind::Pellam) {
    add(com::pages::listField("Channel", "Channel:", channelEntries(kChannels)));
    addDeviceFields();
}

void CPellamPropPage::adapt(const BoardEntry& board) {
    refill(*field("Channel"), channelEntries(board.page.analogOutputChannels));
}

com::pages::PageClass pageClass() {
    return devicePageClass<CPellamPropPage>(kPageClassId, kPageProgId, kPageTitle);
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    return registerDevicePage(registry, pageClass(), kClassId, kProgId);
}

}  // namespace brennix::daq::pellam
