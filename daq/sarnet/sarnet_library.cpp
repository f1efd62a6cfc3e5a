#include "daq/sarnet/sarnet_library.h"

#include "daq/common/control_factory.h"
#include "daq/common/counter_bindings.h"
#include "daq/sarnet/sarnet_ctrl.h"

namespace brennix::daq::sarnet {

std::span<const DriverBinding> driverBindings() {
    return counterDriverBindings();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "sarnet", {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Sarnet",
                                   [] { return createIfAttached<CSarnetCtrl>(driverBindings()); }}
                       .withInterfaces("_DSarnet", "_DSarnetEvents")
                       .inTypeLibrary("SARNETLib")});
    return lib;
}

}  // namespace brennix::daq::sarnet

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::sarnet::library())
