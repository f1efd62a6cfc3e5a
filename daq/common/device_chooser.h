#pragma once
// The device chooser every hardware control's page opens from its "Device"
// button, and the rest of what the pages know of the store: the board of a
// device number at page start and the device number of a chosen key. The
// pages only read the store; nothing here creates a key or a value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "daq/common/board_catalogue.h"
#include "platform/com/pages/tree_chooser.h"

namespace brennix::daq {

// The texts that differ between the six pages.
struct PageTexts {
    std::string_view boardRefused;      // OK on a board outside the control's column
    std::string_view badNumber;         // a key whose first three characters are not digits
    std::string_view startOpenFailure;  // "Software" not opened at page start
};

const PageTexts& pageTextsOf(ControlKind kind);

// The device key names in enumeration order, read without creating the
// root: a store that has never held a device is empty. Shows the open
// text when "Software" cannot be opened and the create text when the root
// cannot be opened otherwise; both leave the list empty.
std::vector<std::string> readDeviceNames(std::string_view openFailure);

// The board of the first key whose number is deviceNumber, as the controls
// look it up; empty when no key matches or the store failed (after its
// message, with the page-start wording).
std::optional<std::string> boardOfDevice(ControlKind kind, std::int32_t deviceNumber);

// The DeviceNumber a chosen key name gives: -1 for an empty name, its first
// three digits, or -1 after the control's message when they are not digits.
std::int32_t takeDevice(ControlKind kind, std::string_view keyName);

class DeviceChooser final : public com::pages::TreeChooser {
  public:
    static constexpr std::string_view kTitle = "Brennix Devices";
    static constexpr std::string_view kRoot = "Brennix Device";

    // Reads the store now, as the dialog opens.
    explicit DeviceChooser(ControlKind kind);

    std::string title() const override { return std::string(kTitle); }
    std::string rootText() const override { return std::string(kRoot); }
    const std::vector<std::string>& children() const override { return names_; }
    bool accept(std::optional<std::size_t> child) override;

    // The key name taken by OK, if any.
    const std::optional<std::string>& taken() const { return taken_; }

  private:
    ControlKind kind_;
    std::vector<std::string> names_;
    std::optional<std::string> taken_;
};

}  // namespace brennix::daq
