// Which backend a process gets when nothing was installed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/hw/backend.h"
#include "platform/hw/ports.h"

namespace brennix::hw {
namespace {

class DefaultBackend : public ::testing::Test {
  protected:
    void TearDown() override {
        unsetenv("BRENNIX_PORTS");
        unsetenv("BRENNIX_SIM_LIBRARY");
        unsetenv("BRENNIX_SIM_CONFIG");
    }
};

TEST_F(DefaultBackend, IsTheSimulatorLoadedOnDemand) {
    unsetenv("BRENNIX_PORTS");
    auto chosen = makeDefaultBackend();
    EXPECT_EQ(chosen->name(), "simulator");
    EXPECT_TRUE(chosen->portsAccessible());
    EXPECT_NE(chosen->openDevice("\\\\.\\dio"), nullptr);
    EXPECT_NE(chosen->openDevice("\\\\.\\BraxVexa"), nullptr);
    // The demonstration board: Olmi at 0x220 reads its looped-back output.
    chosen->writeByte(0x220 + 13, 0xA5);
    EXPECT_EQ(chosen->readByte(0x220 + 6), 0xA5);
}

TEST_F(DefaultBackend, SimulatorTakesItsBoardsFromTheConfiguredFile) {
    std::string path = ::testing::TempDir() + "/brennix-default-backend.conf";
    {
        std::ofstream file(path);
        file << "[board]\ntype = vexa\nbase = 0x340\ndigital-input = 0x3C 0x00\n";
    }
    setenv("BRENNIX_SIM_CONFIG", path.c_str(), 1);
    auto chosen = makeDefaultBackend();
    EXPECT_EQ(chosen->readByte(0x340 + 6), 0x3C);
    EXPECT_EQ(chosen->readByte(0x220 + 6), 0xFF) << "the file replaces the built-in boards";
}

TEST_F(DefaultBackend, RealPortsOnlyWhenAskedFor) {
    setenv("BRENNIX_PORTS", "real", 1);
    ::testing::internal::CaptureStderr();
    auto chosen = makeDefaultBackend();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(chosen->name(), "real-ports");
    if (!chosen->portsAccessible()) {
        EXPECT_NE(said.find("/dev/port"), std::string::npos) << said;
    }
}

TEST_F(DefaultBackend, UnknownChoiceFallsBackToTheSimulatorWithAWarning) {
    setenv("BRENNIX_PORTS", "hardware", 1);
    ::testing::internal::CaptureStderr();
    auto chosen = makeDefaultBackend();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(chosen->name(), "simulator");
    EXPECT_NE(said.find("BRENNIX_PORTS=hardware"), std::string::npos) << said;
}

TEST_F(DefaultBackend, MissingSimulatorIsReportedAndLeavesAnEmptyBus) {
    setenv("BRENNIX_SIM_LIBRARY", "/nonexistent/libbrennix_sim.so", 1);
    ::testing::internal::CaptureStderr();
    auto chosen = makeDefaultBackend();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot load the board simulator"), std::string::npos) << said;
    EXPECT_FALSE(chosen->portsAccessible());
    EXPECT_EQ(chosen->readByte(0x220), 0xFF);
    EXPECT_EQ(chosen->openDevice("\\\\.\\dio"), nullptr);
}

TEST_F(DefaultBackend, FreeFunctionsGoThroughTheInstalledBackend) {
    unsetenv("BRENNIX_PORTS");
    ScopedBackend scope(makeDefaultBackend());
    EXPECT_TRUE(portsAccessible());
    EXPECT_EQ(readByte(0x3F8), 0xFF) << "no board decodes it";
    EXPECT_TRUE(openDevice("\\\\.\\Braxon"));
}

}  // namespace
}  // namespace brennix::hw
