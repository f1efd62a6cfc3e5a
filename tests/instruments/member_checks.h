#pragma once
// Checks of a scale instrument's member table shared by the Knob and the
// Slide tests: ids by name, what the type information lists, the persisted
// order and the pointer coupling a host sees through dispatch.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/com/control.h"

namespace brennix::instruments::testing {

inline void expectIds(const com::MemberTable& table,
                      const std::vector<std::pair<const char*, com::DispId>>& ids) {
    for (const auto& [name, id] : ids) {
        const com::Member* m = table.find(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->id, id) << name;
    }
}

inline std::vector<std::string> persistedNames(const com::MemberTable& table) {
    std::vector<std::string> names;
    for (const auto& p : table.persisted()) {
        names.push_back(p.name);
    }
    return names;
}

inline std::vector<std::string> publishedNames(const com::MemberTable& table) {
    std::vector<std::string> names;
    for (const com::Member* m : table.published()) {
        names.push_back(m->name);
    }
    return names;
}

// The 24 pointer names in persisted order.
inline std::vector<std::string> pointerNames() {
    std::vector<std::string> names;
    for (const char* kind : {"Value", "Visible", "Color"}) {
        for (int n = 1; n <= 8; ++n) {
            names.push_back("Pointer" + std::to_string(n) + kind);
        }
    }
    return names;
}

}  // namespace brennix::instruments::testing
