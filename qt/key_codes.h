#pragma once
// Qt keys as the controls know them: the desktop's virtual-key codes for
// KeyDown and KeyUp, the character for KeyPress, and the Shift argument's
// bits.

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace brennix::qt {

// Nothing for a key the controls have no code for.
std::optional<std::int16_t> virtualKeyOf(const QKeyEvent& event);
// The character a key press types; nothing when it types none or one
// outside 8 bits.
std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event);
std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace brennix::qt
