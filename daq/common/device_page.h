#pragma once
// What the six hardware controls' pages share: DeviceNumber in a hidden
// edit, the "Device" button that opens the device chooser, and the
// adaptation to the board of the device, at page start and whenever a device
// is taken. Each page adds its own fields and says how it adapts.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "daq/common/board_catalogue.h"
#include "platform/com/pages/page_registry.h"
#include "platform/com/pages/property_page.h"

namespace brennix::daq {

class DevicePage : public com::pages::PropertyPage {
  public:
    ControlKind kind() const { return kind_; }
    // The device the page holds now (the hidden edit).
    std::int32_t deviceNumber() const;
    const std::string& buttonLabel() const { return button_; }

  protected:
    DevicePage(std::string title, ControlKind kind, std::string buttonLabel = "Device");

    // Adds the hidden DeviceNumber edit and the button, after the page's
    // own fields.
    void addDeviceFields();

    // The board is one the control serves; the page refills its lists.
    virtual void adapt(const BoardEntry& board) = 0;
    // Page start, after the adaptation (if any).
    virtual void started() {}

  private:
    void opened() final;
    void buttonPressed(com::pages::Field& button) final;
    void adaptTo(std::string_view boardName);

    ControlKind kind_;
    std::string button_;
};

// "0", "1", ... up to count - 1.
std::vector<std::string> numberEntries(int count);
// "Channel  0", "Channel  1", ... with the number right-aligned in two places.
std::vector<std::string> channelEntries(int count);
// A list refilled for a board, no longer fixed by the page; the value stays
// as it is, so the property's current entry stays selected.
void refill(com::pages::Field& list, std::vector<std::string> entries);

// A device page's class, creating Page.
template <typename Page>
com::pages::PageClass devicePageClass(std::string_view classId, std::string_view progId,
                                      std::string_view title) {
    return {std::string(classId), std::string(progId), std::string(title),
            [] { return std::make_unique<Page>(); }};
}

// Registers the page class, and the control as listing it as its one page.
com::Status registerDevicePage(com::pages::PageRegistry& registry, com::pages::PageClass page,
                               std::string_view controlClassId, std::string_view controlProgId);

}  // namespace brennix::daq
