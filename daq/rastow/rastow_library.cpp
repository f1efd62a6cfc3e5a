#include "daq/rastow/rastow_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/rastow/rastow_ctrl.h"
#include "daq/rastow/rastow_page.h"

namespace brennix::daq::rastow {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Rastow>();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "rastow", com::TypeLibraryInfo{},
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Rastow",
                         [] { return createIfAttached<CRastowCtrl>(boardAdapters()); }}
             .withInterfaces("_DRastow", "_DRastowEvents")
             .inTypeLibrary("RASTOWLib")},
        {com::PageClassEntry{std::string(kPageClassId), std::string(kPageProgId),
                             "Rastow Property Page"}});
    return lib;
}

}  // namespace brennix::daq::rastow

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::rastow::library())
