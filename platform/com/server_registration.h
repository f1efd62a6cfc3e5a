#pragma once
// What a library's DllRegisterServer and DllUnregisterServer do: the classes
// in the process registry and their keys in the store, under the library's
// own file. A library that is part of the program itself has no file to
// load on demand, so only the process registration is done for it.

#include <optional>
#include <string>

#include "platform/com/result.h"

namespace brennix::com {

class ControlLibrary;

// `addressInLibrary` is any object of the library: it tells which file.
Status registerLibraryServer(ControlLibrary& library, const void* addressInLibrary);
Status unregisterLibraryServer(ControlLibrary& library, const void* addressInLibrary);

// The absolute path of the shared library holding the address; nothing when
// the address is in the program itself or in no loaded file.
std::optional<std::string> libraryFileOf(const void* address);

}  // namespace brennix::com
