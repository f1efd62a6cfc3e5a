#pragma once
// What the six hardware controls have in common: DeviceNumber and ErrorCode,
// the device code over the adapters of the boards served, refusals that set
// ErrorCode, the about box, a fixed 32 by 32 window and the picture shown
// while a form is designed (the analog-input control draws its own).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "daq/common/board_device.h"
#include "platform/com/control.h"

namespace brennix::daq {

struct ControlLook {
    std::string aboutCaption;
    std::string aboutText;
    // The band that tells the five pictures apart.
    gfx::ColorRef accent = gfx::rgb(0, 0, 128);
};

class DeviceControl : public com::Control {
  public:
    bool opened() const { return m_device.opened(); }
    const DeviceAccess& device() const { return m_device; }
    std::int32_t errorCode() const { return m_errorCode; }

  protected:
    DeviceControl(ControlKind kind, std::span<const BoardAdapter> adapters, ControlLook look);

    // The common OpenDevice: the store, then the board's Initial.
    bool openDevice();

    // The DeviceNumber change handler: the lookup runs at once.
    void deviceNumberChanged();

    // The adapter of the current board if this control serves it, or nullptr.
    const BoardAdapter* board() const { return m_device.board(); }

    // An application-owned message.
    static void say(std::string_view text);
    // A failure the control found itself: the message, then ErrorCode -1.
    void fail(std::string_view text);
    // "Invalid board type" and -1, for a name the control has no call for.
    static std::int32_t invalidBoard();

    // A value outside a property's limits is a failure like any other.
    void refuseProperty(std::string_view text) override { fail(text); }

    gfx::Size onExtentProposed(gfx::Size himetric) override;
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    com::AboutInfo about() const override;

    std::int32_t m_deviceNumber = -1;
    std::int32_t m_errorCode = 0;
    DeviceAccess m_device;

  private:
    ControlLook look_;
};

}  // namespace brennix::daq
