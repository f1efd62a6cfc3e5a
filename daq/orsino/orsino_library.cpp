#include "daq/orsino/orsino_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/orsino/orsino_ctrl.h"
#include "daq/orsino/orsino_page.h"

namespace brennix::daq::orsino {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Orsino>();
}

// A driver that could not attach would fail every call; the control is
// refused at creation instead, and the host is told why.
com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "orsino", com::TypeLibraryInfo{},
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "ORSINO",
                         [] { return createIfAttached<CORSINOCtrl>(boardAdapters()); }}},
        {com::PageClassEntry{std::string(kPageClassId), std::string(kPageProgId),
                             "ORSINO Property Page"}});
    return lib;
}

}  // namespace brennix::daq::orsino

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::orsino::library())
