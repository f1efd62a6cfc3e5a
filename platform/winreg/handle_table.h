#pragma once
// Open key handles: each names a key by its path and carries the access it
// was opened with. Thread-safe; handles are never reused while open.

#include <optional>

#include "platform/winreg/document.h"
#include "platform/winreg/types.h"

namespace brennix::winreg {

struct OpenKey {
    KeyPath path;  // from the root, e.g. HKEY_CURRENT_USER, Software
    REGSAM access = 0;
};

HKEY openHandle(OpenKey key);
// The predefined root resolves too; unknown or closed handles do not.
std::optional<OpenKey> lookupHandle(HKEY handle);
// False when the handle was not open. Closing the predefined root succeeds.
bool closeHandle(HKEY handle);

}  // namespace brennix::winreg
