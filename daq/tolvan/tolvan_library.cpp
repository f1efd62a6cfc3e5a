#include "daq/tolvan/tolvan_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/tolvan/tolvan_ctrl.h"
#include "daq/tolvan/tolvan_page.h"

namespace brennix::daq::tolvan {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Tolvan>();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "tolvan", com::TypeLibraryInfo{},
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Tolvan",
                         [] { return createIfAttached<CTolvanCtrl>(boardAdapters()); }}
             .withInterfaces("_DTolvan", "_DTolvanEvents")
             .inTypeLibrary("TOLVANLib")},
        {com::PageClassEntry{std::string(kPageClassId), std::string(kPageProgId),
                             "Tolvan Property Page"}});
    return lib;
}

}  // namespace brennix::daq::tolvan

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::tolvan::library())
