#pragma once
// The device code every hardware control shares: the board-name lookup of
// DeviceNumber in the store, the settings read, the card number, the board's
// Initial call and the common steps of OpenDevice. One copy serves all six
// controls; what differs between them comes from their ControlProfile and
// the adapters of the boards they serve.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "daq/common/board_catalogue.h"
#include "daq/common/control_profile.h"
#include "daq/common/device_settings.h"

namespace brennix::daq {

struct CBoardDevice {
    std::int32_t m_deviceNumber = -1;
    std::string m_boardName;
    std::int32_t m_irq = 0;
};

class DeviceAccess {
  public:
    // Shows a message owned by the control's window.
    using ControlMessage = std::function<void(std::string_view)>;

    DeviceAccess(const ControlProfile& profile, std::span<const BoardAdapter> adapters,
                 ControlMessage controlMessage = {});

    // Looks the device number up in the store. When no key matches, the
    // board name of the previous lookup stays.
    void ResolveBoardName(std::int32_t deviceNumber);
    bool ReadDeviceSettings(DeviceSettings& out);
    // 0 to 7, or -1.
    int GetCardNumber();
    // The driver's Initial result; -1 after the control's message for a
    // board it does not serve.
    int InitialBoard(int card, int baseAddress, int irq = 0);

    // The common steps after the lookup: settings, card number and Initial,
    // with their messages. Sets errorCode; true when the board is initialised.
    bool initialiseBoard(std::int32_t& errorCode);
    // The whole common OpenDevice: lookup, then initialiseBoard.
    bool OpenDevice(std::int32_t deviceNumber, std::int32_t& errorCode);
    // For controls that add steps of their own after initialiseBoard.
    void markOpened();

    // The adapter of the current board name if the control serves it, or
    // nullptr.
    const BoardAdapter* board() const;

    const ControlProfile& profile() const { return *profile_; }
    const CBoardDevice& device() const { return device_; }
    const std::string& deviceKey() const { return m_deviceKey; }
    bool opened() const { return m_opened; }

  private:
    void controlMessage(std::string_view text) const;

    const ControlProfile* profile_;
    std::span<const BoardAdapter> adapters_;
    ControlMessage controlMessage_;
    CBoardDevice device_;
    std::string m_deviceKey;
    bool m_opened = false;
};

}  // namespace brennix::daq
