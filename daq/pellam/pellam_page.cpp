#include "daq/pellam/pellam_page.h"

#include <memory>

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
    return {std::string(kPageClassId), std::string(kPageProgId), std::string(kPageTitle),
            [] { return std::make_unique<CPellamPropPage>(); }};
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    if (com::Status s = registry.add(pageClass()); !s.ok())
        return s;
    return registry.list(
        {std::string(kClassId), std::string(kProgId), {std::string(kPageClassId)}});
}

}  // namespace brennix::daq::pellam
