#include "instruments/library/panelmoor_library.h"

#include <string>
#include <vector>

#include "instruments/library/instrument_class.h"
#include "instruments/pages/page_identities.h"

namespace brennix::instruments {

#define PANELMOOR_CLASS(entry) com::ClassEntry entry();
#include "instruments/library/classes.def"
#undef PANELMOOR_CLASS

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "panelmoor",
        com::TypeLibraryInfo{std::string(kTypeLibrary), std::string(kTypeLibraryId), "1.0"},
        std::vector<com::ClassEntry>{
#define PANELMOOR_CLASS(entry) entry(),
#include "instruments/library/classes.def"
#undef PANELMOOR_CLASS
        },
        panelmoorPageEntries());
    return lib;
}

}  // namespace brennix::instruments

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::instruments::library())
