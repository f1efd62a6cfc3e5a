#include "equipment/control/plantwerk_library.h"

#include <string>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
#include "equipment/control/pump_ctrl.h"
#include "equipment/control/tank_ctrl.h"
#include "equipment/control/value_ctrl.h"
#include "equipment/pages/page_identities.h"

namespace brennix::equipment {
namespace {

template <class T>
com::ClassEntry entry(const EquipmentClass& c) {
    return com::ClassEntry::of<T>(std::string(c.classId), std::string(c.progId),
                                  std::string(c.typeName))
        .withInterfaces(std::string(c.dispatchName), std::string(c.eventsName),
                        std::string(c.dispatchId), std::string(c.eventsId))
        .inTypeLibrary(std::string(kTypeLibrary));
}

}  // namespace

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "plantwerk",
        com::TypeLibraryInfo{std::string(kTypeLibrary), std::string(kTypeLibraryId), "1.0"},
        {entry<CMotorCtrl>(kMotor), entry<CPumpCtrl>(kPump), entry<CTankCtrl>(kTank),
         entry<CValueCtrl>(kValue), entry<CPipeCtrl>(kPipe)},
        plantwerkPageEntries());
    return lib;
}

}  // namespace brennix::equipment

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::equipment::library())
