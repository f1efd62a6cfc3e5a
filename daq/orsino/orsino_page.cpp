#include "daq/orsino/orsino_page.h"

#include <cstdint>
#include <limits>
#include <memory>

#include "daq/orsino/orsino_ctrl.h"
#include "daq/orsino/orsino_library.h"

namespace brennix::daq::orsino {

using namespace com::pages;
using com::Variant;

namespace {

constexpr double kDoubleLimit = 1.7e308;
constexpr int kChannels = 32;
constexpr std::int16_t kSoftwareTriggering = 1;
constexpr std::int16_t kSoftwarePolling = 0;

// The labels the control's table gives the property's enumeration.
std::vector<std::string> labelsOf(std::string_view property) {
    std::vector<std::string> labels;
    const com::Member* member = CORSINOCtrl::table().find(property);
    if (member != nullptr && member->enumeration) {
        for (const com::EnumValue& v : member->enumeration->values)
            labels.push_back(v.label);
    }
    return labels;
}

Field list(const char* property) {
    return listField(property, std::string(property) + ":", labelsOf(property));
}

void fixed(Field& field, std::int16_t value) {
    field.value = Variant(value);
    field.locked = true;
}

}  // namespace

CORSINOPropPage::CORSINOPropPage()
    : DevicePage(std::string(kPageTitle), ControlKind::Orsino, "Device ") {
    add(rangedField("SampleRate", "SampleRate:", -kDoubleLimit, kDoubleLimit, false));
    add(rangedField("NumberOfSamples", "NumberOfSamples:", std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max()));
    add(list("OverallInputRange"));
    add(list("AdGain"));
    add(list("InputMode"));
    add(listField("StartChannel", "StartChannel:", channelEntries(kChannels)));
    add(list("TriggerMode"));
    add(list("TransferMode"));
    add(checkField("EventEnabled", "EventEnabled"));
    addDeviceFields();
}

void CORSINOPropPage::adapt(const BoardEntry& board) {
    const InputPage& input = *board.page.analogInput;

    refill(*field("StartChannel"), channelEntries(input.channels));

    Field& transfer = *field("TransferMode");
    std::vector<std::string> transfers = labelsOf("TransferMode");
    if (input.transfer == TransferList::PollingOnly) {
        transfers.resize(1);
    } else if (input.transfer == TransferList::PollingAndInterrupt) {
        transfers.resize(2);
    }
    refill(transfer, std::move(transfers));
    if (input.transfer == TransferList::PollingForced)
        fixed(transfer, kSoftwarePolling);

    const bool overall = input.rangeList == RangeList::OverallInputRange;
    field("OverallInputRange")->hidden = !overall;
    field("AdGain")->hidden = overall;

    Field& trigger = *field("TriggerMode");
    trigger.locked = false;
    if (input.softwareTriggerOnly)
        fixed(trigger, kSoftwareTriggering);

    field("InputMode")->locked = !input.inputModeEnabled;
}

// Whatever the board, the trigger list may be changed once the page is up;
// only a device taken later fixes it again.
void CORSINOPropPage::started() {
    field("TriggerMode")->locked = false;
}

com::pages::PageClass pageClass() {
    return devicePageClass<CORSINOPropPage>(kPageClassId, kPageProgId, kPageTitle);
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    return registerDevicePage(registry, pageClass(), kClassId, kProgId);
}

}  // namespace brennix::daq::orsino
