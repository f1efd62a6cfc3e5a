#include "daq/quillet/quillet_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/quillet/quillet_ctrl.h"
#include "daq/quillet/quillet_page.h"

namespace brennix::daq::quillet {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Quillet>();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "quillet", com::TypeLibraryInfo{},
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Quillet",
                         [] { return createIfAttached<CQuilletCtrl>(boardAdapters()); }}
             .withInterfaces("_DQuillet", "_DQuilletEvents")
             .inTypeLibrary("QUILLETLib")},
        {com::PageClassEntry{std::string(kPageClassId), std::string(kPageProgId),
                             "Quillet Property Page"}});
    return lib;
}

}  // namespace brennix::daq::quillet

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::quillet::library())
