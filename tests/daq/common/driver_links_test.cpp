#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "daq/common/board_catalogue.h"
#include "tests/daq/common/needed_libraries.h"

namespace brennix::daq::testing {
namespace {

struct Library {
    ControlKind kind;
    const char* file;
};

std::string libraryFileOf(std::string_view driver) {
    std::string name(driver);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "lib" + name + ".so";
}

// A control library loads the driver of every board in its catalogue column,
// used or not, and no other board driver.
TEST(ControlLibraryLinks, EachLoadsExactlyTheDriversOfItsColumn) {
    const Library libraries[] = {
        {ControlKind::Orsino, "liborsino.so"},   {ControlKind::Pellam, "libpellam.so"},
        {ControlKind::Quillet, "libquillet.so"}, {ControlKind::Rastow, "librastow.so"},
        {ControlKind::Sarnet, "libsarnet.so"},   {ControlKind::Tolvan, "libtolvan.so"},
    };
    for (const auto& library : libraries) {
        SCOPED_TRACE(library.file);
        auto needed = neededLibraries(std::string(BRENNIX_LIBRARY_DIR) + "/" + library.file);
        ASSERT_TRUE(needed);
        std::set<std::string> loaded(needed->begin(), needed->end());
        std::set<std::string> drivers;
        std::set<std::string> column;
        for (const auto& board : boardCatalogue()) {
            std::string file = libraryFileOf(board.driver);
            if (loaded.count(file) != 0) {
                drivers.insert(file);
            }
            if (board.servedBy[static_cast<std::size_t>(library.kind)]) {
                column.insert(file);
            }
        }
        EXPECT_EQ(drivers, column);
    }
}

}  // namespace
}  // namespace brennix::daq::testing
