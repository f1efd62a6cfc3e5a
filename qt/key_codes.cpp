#include "qt/key_codes.h"

#include <array>
#include <utility>

#include "platform/com/control.h"

namespace brennix::qt {
namespace {

constexpr std::array<std::pair<int, std::int16_t>, 31> kNamedKeys{{
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},      {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},  {Qt::Key_Escape, 0x1B},   {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},     {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E},   {Qt::Key_Help, 0x2F},
    {Qt::Key_Plus, 0x6B},      {Qt::Key_Minus, 0xBD},    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Period, 0xBE},    {Qt::Key_NumLock, 0x90},  {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Menu, 0x5D},
}};

}  // namespace

std::optional<std::int16_t> virtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::int16_t>(0x60 + (key - Qt::Key_0));
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<std::int16_t>(key);  // the same codes as ASCII
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(0x70 + (key - Qt::Key_F1));
    }
    for (const auto& [qtKey, code] : kNamedKeys) {
        if (key == qtKey) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() > 0xFF || text[0].unicode() == 0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(text[0].unicode());
}

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= com::kShift;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= com::kCtrl;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= com::kAlt;
    }
    return shift;
}

}  // namespace brennix::qt
