#pragma once
// The identities of the equipment library's page classes, one per control:
// what the library registers for hosts to find and what the page models
// are created under.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/control_library.h"

namespace brennix::equipment {

struct PageIdentity {
    std::string_view classId;
    std::string_view progId;
    std::string_view title;
};

inline constexpr PageIdentity kMotorPage{"{0C913F2E-C73A-47E9-9D44-27DC4787D0B7}",
                                         "PLANTWERK.MotorPropPage.1", "Motor"};
inline constexpr PageIdentity kPumpPage{"{99B08EE2-4A01-4FE3-A2F2-D6571A584BEE}",
                                        "PLANTWERK.PumpPropPage.1", "Pump"};
inline constexpr PageIdentity kTankPage{"{1413DA66-A4D2-4F6C-AEDA-B16686841302}",
                                        "PLANTWERK.TankPropPage.1", "Tank"};
inline constexpr PageIdentity kValuePage{"{5ADA5203-19BF-4D7F-AEB5-5C557FC935EA}",
                                         "PLANTWERK.ValuePropPage.1", "Value"};
inline constexpr PageIdentity kPipePage{"{090F4027-2FA9-46E5-AB76-96ED94D2BAC5}",
                                        "PLANTWERK.PipePropPage.1", "Pipe"};

inline constexpr std::array<PageIdentity, 5> kPlantwerkPages{kMotorPage, kPumpPage, kTankPage,
                                                             kValuePage, kPipePage};

// What the library registers of them.
inline std::vector<com::PageClassEntry> plantwerkPageEntries() {
    std::vector<com::PageClassEntry> entries;
    for (const PageIdentity& page : kPlantwerkPages) {
        entries.push_back({std::string(page.classId), std::string(page.progId),
                           std::string(page.title) + " Property Page"});
    }
    return entries;
}

}  // namespace brennix::equipment
