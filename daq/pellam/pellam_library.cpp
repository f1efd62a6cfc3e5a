#include "daq/pellam/pellam_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/pellam/pellam_ctrl.h"

namespace brennix::daq::pellam {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Pellam>();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "pellam", {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Pellam",
                                   [] { return createIfAttached<CPellamCtrl>(boardAdapters()); }}
                       .withInterfaces("_DPellam", "_DPellamEvents")
                       .inTypeLibrary("PELLAMLib")});
    return lib;
}

}  // namespace brennix::daq::pellam

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::pellam::library())
