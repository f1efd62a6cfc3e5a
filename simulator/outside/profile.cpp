#include "simulator/outside/profile.h"

#include <array>

namespace brennix::outside {
namespace {

constexpr std::int32_t kNone = 0;
constexpr std::int32_t k12Min = 0;
constexpr std::int32_t k12Max = 4095;
constexpr std::int32_t k16Min = -32768;
constexpr std::int32_t k16Max = 32767;

// clang-format off
constexpr std::array<Profile, kLibraryCount> kProfiles{{
//   library         name     prefix     cards irq    ports                   first count bits da  ad  adMin   adMax   mode range counters
    {Library::Zolt,  "Zolt",  "W_Zolt_",  8, false, PortScheme::None,        0, kNone, 8,  0, 32, k12Min, k12Max, -1, 4, 0},
    {Library::Fenq,  "Fenq",  "W_Fenq_",  8, false, PortScheme::Numbered,    0, 1,    16,  2, 16, k16Min, k16Max,  7, 3, 1},
    {Library::Ubrix, "Ubrix", "_ubri_",   1, false, PortScheme::Numbered,    1, 2,     8,  2, 16, k12Min, k12Max,  7, 4, 0},
    {Library::Quem,  "Quem",  "W_Quem_",  8, false, PortScheme::None,        0, kNone, 8,  2,  0, 0,      0,      -1, 0, 0},
    {Library::Kilp,  "Kilp",  "W_Kilp_",  8, false, PortScheme::Numbered,    0, 4,     8,  0,  0, 0,      0,      -1, 0, 3},
    {Library::Mavo,  "Mavo",  "W_Mavo_",  8, true,  PortScheme::ChipCodes,   0, 6,     8,  0,  0, 0,      0,      -1, 0, 0},
    {Library::Rulk,  "Rulk",  "W_Rulk_",  8, true,  PortScheme::Numbered,    0, 3,     8,  0,  0, 0,      0,      -1, 0, 0},
    {Library::Tepa,  "Tepa",  "W_Tepa_",  8, false, PortScheme::Numbered,    0, 1,     8,  0,  0, 0,      0,      -1, 0, 0},
    {Library::TepaB, "TepaB", "W_TepaB_", 8, false, PortScheme::Numbered,    0, 1,    16,  0,  0, 0,      0,      -1, 0, 0},
    {Library::Nilb,  "Nilb",  "W_Nilb_",  8, false, PortScheme::Numbered,    0, 4,     8,  0,  0, 0,      0,      -1, 0, 3},
    {Library::Pruv,  "Pruv",  "W_Pruv_",  8, true,  PortScheme::Numbered,    0, 6,     8,  0,  0, 0,      0,      -1, 0, 0},
}};
// clang-format on

constexpr bool profilesInOrder() {
    for (std::size_t i = 0; i < kProfiles.size(); ++i) {
        if (indexOf(kProfiles[i].library) != i) {
            return false;
        }
    }
    return true;
}
static_assert(profilesInOrder());

}  // namespace

std::string_view libraryName(Library library) {
    return profile(library).name;
}

const Profile& profile(Library library) {
    return kProfiles[indexOf(library)];
}

std::optional<PortRef> decodePort(const Profile& p, std::int32_t port) {
    switch (p.ports) {
        case PortScheme::None:
            return std::nullopt;
        case PortScheme::Numbered:
            if (port < p.firstPort || port - p.firstPort >= p.portCount) {
                return std::nullopt;
            }
            return PortRef{port - p.firstPort, 0, p.portBits};
        case PortScheme::ChipCodes: {
            if (port < 0) {
                return std::nullopt;
            }
            const std::int32_t chip = port >> 8;
            const std::int32_t index = port & 0xFF;
            if (chip >= p.portCount) {
                return std::nullopt;
            }
            const std::int32_t first = chip * 3;
            switch (index) {
                case 0:
                    return PortRef{first, 0, 8};
                case 1:
                    return PortRef{first + 1, 0, 8};
                case 3:
                    return PortRef{first + 2, 4, 4};
                case 4:
                    return PortRef{first + 2, 0, 4};
                default:
                    return std::nullopt;
            }
        }
    }
    return std::nullopt;
}

}  // namespace brennix::outside
