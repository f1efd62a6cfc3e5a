#include "daq/tolvan/tolvan_library.h"

#include "daq/common/control_factory.h"
#include "daq/common/counter_bindings.h"
#include "daq/tolvan/tolvan_ctrl.h"

namespace brennix::daq::tolvan {

std::span<const DriverBinding> driverBindings() {
    return counterDriverBindings();
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "tolvan", {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Tolvan",
                                   [] { return createIfAttached<CTolvanCtrl>(driverBindings()); }}
                       .withInterfaces("_DTolvan", "_DTolvanEvents")
                       .inTypeLibrary("TOLVANLib")});
    return lib;
}

}  // namespace brennix::daq::tolvan

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::tolvan::library())
