#include "daq/sarnet/sarnet_library.h"

#include "daq/common/board_set.h"
#include "daq/common/control_factory.h"
#include "daq/sarnet/sarnet_ctrl.h"
#include "daq/sarnet/sarnet_page.h"

namespace brennix::daq::sarnet {

std::span<const BoardAdapter> boardAdapters() {
    return servedAdapters<ControlKind::Sarnet>();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "sarnet", com::TypeLibraryInfo{},
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Sarnet",
                         [] { return createIfAttached<CSarnetCtrl>(boardAdapters()); }}
             .withInterfaces("_DSarnet", "_DSarnetEvents")
             .inTypeLibrary("SARNETLib")},
        {com::PageClassEntry{std::string(kPageClassId), std::string(kPageProgId),
                             "Sarnet Property Page"}});
    return lib;
}

}  // namespace brennix::daq::sarnet

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::sarnet::library())
