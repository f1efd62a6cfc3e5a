#include "daq/common/port_pages.h"

#include <cstdint>
#include <limits>

namespace brennix::daq {

using namespace com::pages;

namespace {

// Before a board is known: the ports the controls accept.
constexpr int kAcceptedPorts = 18;
constexpr int kTimerChannels = 3;

}  // namespace

DigitalPortPage::DigitalPortPage(std::string title, ControlKind kind)
    : DevicePage(std::move(title), kind) {
    add(listField("Port", "Port:", numberEntries(kAcceptedPorts)));
    add(listField("Bit", "Bit:", numberEntries(8)));
    addDeviceFields();
}

void DigitalPortPage::adapt(const BoardEntry& board) {
    refill(*field("Port"), numberEntries(board.page.digitalPorts));
}

TimerChannelPage::TimerChannelPage(std::string title, ControlKind kind, const std::string& number)
    : DevicePage(std::move(title), kind) {
    add(listField("Channel", "Channel:", numberEntries(kTimerChannels)));
    add(rangedField(number, number + ":", std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max()));
    addDeviceFields();
}

void TimerChannelPage::adapt(const BoardEntry& board) {
    refill(*field("Channel"), numberEntries(board.page.timerChannels));
}

}  // namespace brennix::daq
