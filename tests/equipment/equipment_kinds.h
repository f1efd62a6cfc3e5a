#pragma once
// The five equipment controls by name, for tests that go over all of them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
#include "equipment/control/pump_ctrl.h"
#include "equipment/control/tank_ctrl.h"
#include "equipment/control/value_ctrl.h"
#include "platform/com/control.h"

namespace brennix::equipment::testing {

struct Kind {
    std::string name;
    std::string styleProperty;
    std::string colorProperty;
    int styles;  // the numbers 0 .. styles - 1 draw a symbol
    std::function<std::shared_ptr<CEquipmentCtrl>()> create;
};

inline const std::vector<Kind>& kinds() {
    static const std::vector<Kind> all{
        {"Motor", "MotorStyle", "Color", 2, [] { return com::createControl<CMotorCtrl>(); }},
        {"Pump", "PumpStyle", "PumpColor", 10, [] { return com::createControl<CPumpCtrl>(); }},
        {"Tank", "TankStyle", "TankColor", 5, [] { return com::createControl<CTankCtrl>(); }},
        {"Value", "ValueStyle", "ValueColor", 9, [] { return com::createControl<CValueCtrl>(); }},
        {"Pipe", "PipeStyle", "PipeColor", 8, [] { return com::createControl<CPipeCtrl>(); }},
    };
    return all;
}

inline const Kind& kind(const std::string& name) {
    for (const Kind& k : kinds()) {
        if (k.name == name) {
            return k;
        }
    }
    throw std::out_of_range(name);
}

inline std::shared_ptr<CEquipmentCtrl> createStyled(const std::string& name, int style) {
    const Kind& k = kind(name);
    auto control = k.create();
    EXPECT_TRUE(control->put(k.styleProperty, com::Variant(static_cast<std::int16_t>(style))).ok());
    return control;
}

}  // namespace brennix::equipment::testing
