// The Olmi driver bound by name at the first call, over the simulated board.

#include <gtest/gtest.h>

#include <cstdlib>

#include "demos/common/olmi_driver.h"
#include "simulator/simulator.h"

namespace brennix::demos {
namespace {

TEST(OlmiLibraryBinding, TheDriverIsFoundByNameAndDrivesTheSimulatedBoard) {
    sim::ScopedSimulator simulated;
    OlmiLibrary olmi;
    EXPECT_FALSE(olmi.loaded());
    ASSERT_EQ(olmi.Initial(kOlmiCard, kOlmiBase), 0) << olmi.loadError();
    EXPECT_TRUE(olmi.loaded());

    ASSERT_EQ(olmi.DO(0, 0x5A), 0);
    std::uint8_t port = 0;
    ASSERT_EQ(olmi.DI(0, &port), 0);
    EXPECT_EQ(port, 0x5A);  // outputs are wired back to the inputs

    ASSERT_EQ(olmi.DA(1, 3000), 0);
    EXPECT_EQ(simulated.simulator().analogBoardAt(kOlmiBase)->analogOutput(1), 3000);

    std::int32_t sample = -1;
    ASSERT_EQ(olmi.AD_Set_Channel(0), 0);
    ASSERT_EQ(olmi.AD_Aquire(&sample), 0);
    EXPECT_GE(sample, 0);
    EXPECT_LE(sample, 4095);
}

TEST(OlmiLibraryBinding, ALibraryThatCannotBeLoadedFailsEveryCallWithItsReason) {
    ::setenv("BRENNIX_OLMI_LIBRARY", "/nonexistent/libolmi.so", 1);
    OlmiLibrary olmi;
    EXPECT_EQ(olmi.Initial(kOlmiCard, kOlmiBase), kDriverUnavailable);
    std::uint8_t port = 7;
    EXPECT_EQ(olmi.DI(0, &port), kDriverUnavailable);
    EXPECT_EQ(port, 7);
    EXPECT_FALSE(olmi.loaded());
    EXPECT_NE(olmi.loadError().find("nonexistent"), std::string::npos) << olmi.loadError();
    ::unsetenv("BRENNIX_OLMI_LIBRARY");
}

}  // namespace
}  // namespace brennix::demos
