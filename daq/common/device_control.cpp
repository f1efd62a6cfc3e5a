#include "daq/common/device_control.h"

#include <utility>

#include "daq/common/io_messages.h"
#include "platform/com/extent.h"
#include "platform/com/message_box.h"

namespace brennix::daq {

namespace {

constexpr int kWindowPixels = 32;

}  // namespace

DeviceControl::DeviceControl(ControlKind kind, std::span<const BoardAdapter> adapters,
                             ControlLook look)
    : m_device(profileOf(kind), adapters,
               [this](std::string_view text) { showControlMessage(text); }),
      look_(std::move(look)) {}

bool DeviceControl::openDevice() {
    bool opened = m_device.OpenDevice(m_deviceNumber, m_errorCode);
    setModified(true);
    return opened;
}

void DeviceControl::deviceNumberChanged() {
    m_device.ResolveBoardName(m_deviceNumber);
    setModified(true);
}

void DeviceControl::say(std::string_view text) {
    com::showMessage(text);
}

void DeviceControl::fail(std::string_view text) {
    say(text);
    m_errorCode = -1;
}

std::int32_t DeviceControl::invalidBoard() {
    say(text::kInvalidBoardType);
    return -1;
}

gfx::Size DeviceControl::onExtentProposed(gfx::Size /*himetric*/) {
    return com::pixelsToHiMetric({kWindowPixels, kWindowPixels}, pixelsPerInch());
}

void DeviceControl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    // Invisible at run time.
    if (ambientUserMode()) {
        return;
    }
    const int x = bounds.left;
    const int y = bounds.top;
    const auto black = gfx::rgb(0, 0, 0);
    canvas.fillRect({x, y, x + kWindowPixels, y + kWindowPixels}, gfx::rgb(192, 192, 192));
    canvas.fillRect({x + 1, y + 1, x + 31, y + 2}, black);
    canvas.fillRect({x + 1, y + 21, x + 31, y + 22}, black);
    canvas.fillRect({x + 1, y + 1, x + 2, y + 22}, black);
    canvas.fillRect({x + 30, y + 1, x + 31, y + 22}, black);
    canvas.fillRect({x + 4, y + 6, x + 28, y + 17}, look_.accent);
    // The edge connector.
    for (int pin = 0; pin < 12; ++pin) {
        canvas.fillRect({x + 4 + pin * 2, y + 24, x + 5 + pin * 2, y + 29}, gfx::rgb(255, 200, 0));
    }
}

com::AboutInfo DeviceControl::about() const {
    return {look_.aboutCaption, look_.aboutText};
}

}  // namespace brennix::daq
