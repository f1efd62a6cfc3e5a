#include "daq/pellam/pellam_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/pellam/pellam_ctrl.h"
#include "daq/pellam/pellam_page.h"

namespace brennix::daq::pellam {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Pellam>();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "pellam", com::TypeLibraryInfo{},
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Pellam",
                         [] { return createIfAttached<CPellamCtrl>(boardAdapters()); }}
             .withInterfaces("_DPellam", "_DPellamEvents")
             .inTypeLibrary("PELLAMLib")},
        {com::PageClassEntry{std::string(kPageClassId), std::string(kPageProgId),
                             "Pellam Property Page"}});
    return lib;
}

}  // namespace brennix::daq::pellam

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::pellam::library())
