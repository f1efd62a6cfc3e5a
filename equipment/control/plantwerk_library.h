#pragma once
// The PLANTWERK library: the five equipment controls, their type library and
// the registration entry points (DllRegisterServer and the others).

#include <string_view>

#include "platform/com/control_library.h"

namespace brennix::equipment {

inline constexpr std::string_view kTypeLibrary = "PLANTWERKLib";
inline constexpr std::string_view kTypeLibraryId = "{6D1A4E20-9B37-4C58-8E0F-2A7B5C9D3E41}";

struct EquipmentClass {
    std::string_view progId;
    std::string_view typeName;
    std::string_view classId;
    std::string_view dispatchName;
    std::string_view eventsName;
    std::string_view dispatchId;
    std::string_view eventsId;
};

inline constexpr EquipmentClass kMotor{"PLANTWERK.MotorCtrl.1",
                                       "Motor Control",
                                       "{6D1A4E21-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                       "_DMotor",
                                       "_DMotorEvents",
                                       "{6D1A4E31-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                       "{6D1A4E41-9B37-4C58-8E0F-2A7B5C9D3E41}"};
inline constexpr EquipmentClass kPump{"PLANTWERK.PumpCtrl.1",
                                      "Pump Control",
                                      "{6D1A4E22-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                      "_DPump",
                                      "_DPumpEvents",
                                      "{6D1A4E32-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                      "{6D1A4E42-9B37-4C58-8E0F-2A7B5C9D3E41}"};
inline constexpr EquipmentClass kTank{"PLANTWERK.TankCtrl.1",
                                      "Tank Control",
                                      "{6D1A4E23-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                      "_DTank",
                                      "_DTankEvents",
                                      "{6D1A4E33-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                      "{6D1A4E43-9B37-4C58-8E0F-2A7B5C9D3E41}"};
inline constexpr EquipmentClass kValue{"PLANTWERK.ValueCtrl.1",
                                       "Value Control",
                                       "{6D1A4E24-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                       "_DValue",
                                       "_DValueEvents",
                                       "{6D1A4E34-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                       "{6D1A4E44-9B37-4C58-8E0F-2A7B5C9D3E41}"};
inline constexpr EquipmentClass kPipe{"PLANTWERK.PipeCtrl.1",
                                      "Pipe Control",
                                      "{6D1A4E25-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                      "_DPipe",
                                      "_DPipeEvents",
                                      "{6D1A4E35-9B37-4C58-8E0F-2A7B5C9D3E41}",
                                      "{6D1A4E45-9B37-4C58-8E0F-2A7B5C9D3E41}"};

com::ControlLibrary& library();

}  // namespace brennix::equipment
