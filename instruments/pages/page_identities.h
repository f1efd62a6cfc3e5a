#pragma once
// The identities of the instrument library's page classes: what the library
// registers for hosts to find, and what the page models are created under.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/control_library.h"

namespace brennix::instruments {

struct PageIdentity {
    std::string_view classId;
    std::string_view progId;
    std::string_view title;
    std::string_view typeName;
};

inline constexpr PageIdentity kNumericPage{"{A7E715B6-BAE0-41B5-A6B8-CDF0688E5A04}",
                                           "PANELMOOR.PrpNumeric.1", "Numeric", "Numeric Page"};
inline constexpr PageIdentity kTicksPage{"{DB4B96D6-B4CE-4996-8102-6716BE4BD611}",
                                         "PANELMOOR.PrpTicks.1", "Ticks", "Ticks Page"};
inline constexpr PageIdentity kFormatPage{"{B1B0954D-785A-4645-AB30-A39B1325615B}",
                                          "PANELMOOR.PrpFormat.1", "Format", "Format Page"};
inline constexpr PageIdentity kPointerPage{"{90CD0A83-14C5-4D4E-9159-44502DE34722}",
                                           "PANELMOOR.PrpPointer.1", "Pointer", "Pointer Page"};
inline constexpr PageIdentity kValuePairsPage{"{00675421-E865-454A-85D3-ED8A7733229F}",
                                              "PANELMOOR.ValuePairs.1", "Value Pairs",
                                              "Value Pairs Page"};
inline constexpr PageIdentity kPointersPage{"{0A8CF6F8-ACB1-49F8-B0CE-4999417BD4F1}",
                                            "PANELMOOR.Pointers.1", "Pointer", "Pointers Page"};
inline constexpr PageIdentity kKnobPage{"{187C35B0-CD68-471A-BC70-39030202A002}",
                                        "PANELMOOR.KnobPropPage.1", "General",
                                        "Knob Property Page"};
inline constexpr PageIdentity kSlidePage{"{D8526815-6209-43AC-A1F3-CEA94AB9CBB7}",
                                         "PANELMOOR.SlidePropPage.1", "General",
                                         "Slide Property Page"};
inline constexpr PageIdentity kE7SegmentPage{"{7BB5C0DF-76D9-4D11-B079-7A0210963B5D}",
                                             "PANELMOOR.E7SegmentPropPage.1", "General",
                                             "E7Segment Property Page"};
inline constexpr PageIdentity kPanelPage{"{18B2551E-3914-45A3-8F6F-CB22338F6A20}",
                                         "PANELMOOR.PropertyPanel.1", "Panel", "Panel Page"};
inline constexpr PageIdentity kBooleanPage{"{4E099F2A-3F0D-4B2A-9473-7ECDF1B149B1}",
                                           "PANELMOOR.BooleanPropPage.1", "General",
                                           "Boolean Property Page"};
inline constexpr PageIdentity kBooleanButtonPage{"{6F0E2D51-86B7-4C0B-9E0C-2B4D2E4C7A11}",
                                                 "PANELMOOR.BooleanPrpButton.1", "Button",
                                                 "Boolean Button Page"};
inline constexpr PageIdentity kBooleanTextPage{"{3C8A9E70-5D21-4F6E-8B3A-9E1F4D6C2B22}",
                                               "PANELMOOR.BooleanPrpText.1", "Text",
                                               "Boolean Text Page"};

inline constexpr std::array<PageIdentity, 13> kPanelmoorPages{
    kNumericPage,  kTicksPage,         kFormatPage,     kPointerPage,   kValuePairsPage,
    kPointersPage, kKnobPage,          kSlidePage,      kE7SegmentPage, kPanelPage,
    kBooleanPage,  kBooleanButtonPage, kBooleanTextPage};

// What the library registers of them.
inline std::vector<com::PageClassEntry> panelmoorPageEntries() {
    std::vector<com::PageClassEntry> entries;
    for (const PageIdentity& page : kPanelmoorPages) {
        entries.push_back(
            {std::string(page.classId), std::string(page.progId), std::string(page.typeName)});
    }
    return entries;
}

}  // namespace brennix::instruments
