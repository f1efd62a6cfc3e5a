#pragma once
// The keys of a control library's classes in the store, in the shape a
// desktop registry holds them below HKEY_CURRENT_USER\Software\Classes:
//
//   <ProgID>                 @ = type name,  CLSID\@ = {clsid}
//   <TypeLib>.<coclass>      the same, for the type-library alias
//   CLSID\{clsid}            @ = type name
//     InprocServer32         @ = library file, ThreadingModel = Apartment
//     ProgID                 @ = ProgID
//     Control
//     MiscStatus             @ = "0", 1\@ = the status flags, where a class has any
//     TypeLib                @ = {libid} where known, Name = type library
//     Version                @ = type library version
//   Interface\{iid}          @ = _DName / _DNameEvents, TypeLib\@ = {libid}
//   TypeLib\{libid}\1.0      @ = type library name, 0\win32\@ = library file
//   <page ProgID>, CLSID\{page clsid}   as a class, without Control, TypeLib and Version

#include <string>
#include <string_view>

#include "platform/com/class_id.h"
#include "platform/com/result.h"

namespace brennix::com {

class ControlLibrary;

inline constexpr std::string_view kClassesKey = "Software\\Classes";

// A write that fails half-way takes back what it wrote.
Status writeClassKeys(const ControlLibrary& library, const std::string& libraryFile);
// Names that another class has taken since are left to it.
Status removeClassKeys(const ControlLibrary& library);

struct StoredServer {
    ClassId classId;
    std::string libraryFile;
};

// identifier: a programmatic identifier, a type-library alias or {clsid}.
// ClassNotRegistered when the store has no such class or no library file
// for it, StoreFailure when the store cannot be read.
Result<StoredServer> findStoredServer(std::string_view identifier);

}  // namespace brennix::com
