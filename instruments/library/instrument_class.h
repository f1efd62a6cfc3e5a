#pragma once
// The identities of one class of the library and its class entry.

#include <string>
#include <string_view>

#include "platform/com/control_library.h"

namespace brennix::instruments {

inline constexpr std::string_view kTypeLibrary = "PANELMOORLib";
inline constexpr std::string_view kTypeLibraryId = "{5B2C7E10-4D8A-4F36-9C1E-7A3B6D2F8E51}";

struct InstrumentClass {
    std::string_view progId;
    std::string_view typeName;
    std::string_view classId;
    // Empty for a class without a dispatch interface in the type library.
    std::string_view dispatchName{};
    std::string_view eventsName{};
    std::string_view dispatchId{};
    std::string_view eventsId{};
};

template <class T>
com::ClassEntry instrumentEntry(const InstrumentClass& c) {
    auto entry = com::ClassEntry::of<T>(std::string(c.classId), std::string(c.progId),
                                        std::string(c.typeName));
    if (!c.dispatchName.empty()) {
        entry =
            std::move(entry).withInterfaces(std::string(c.dispatchName), std::string(c.eventsName),
                                            std::string(c.dispatchId), std::string(c.eventsId));
    }
    return std::move(entry).inTypeLibrary(std::string(kTypeLibrary));
}

}  // namespace brennix::instruments
