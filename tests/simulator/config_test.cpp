#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>

#include "simulator/config.h"

namespace brennix::sim {
namespace {

TEST(SimulatorConfiguration, DefaultPlacesTheDemonstrationOlmiAt0x220AndOneOfEachOtherBoard) {
    auto config = defaultConfig();
    ASSERT_EQ(config.boards.size(), 4U);
    EXPECT_EQ(config.boards[0].type, BoardType::Olmi);
    EXPECT_EQ(config.boards[0].base, 0x220);
    EXPECT_TRUE(config.boards[0].digitalLoopback);
    std::set<BoardType> types;
    std::set<unsigned> bases;
    for (const auto& board : config.boards) {
        types.insert(board.type);
        bases.insert(board.base);
    }
    EXPECT_EQ(types.size(), 4U);
    EXPECT_EQ(bases.size(), 4U);
}

TEST(SimulatorConfiguration, TheShippedExampleParses) {
    auto result = loadConfigFile(BRENNIX_SIM_EXAMPLE);
    ASSERT_TRUE(result.config) << result.error;
    const auto& boards = result.config->boards;
    ASSERT_EQ(boards.size(), 3U);
    EXPECT_EQ(boards[0].type, BoardType::Olmi);
    EXPECT_EQ(boards[0].channels[4].waveform, Waveform::Noise);
    EXPECT_EQ(boards[0].channels[4].seed, 7U);
    EXPECT_DOUBLE_EQ(boards[0].channels[5].offset, 1.5);
    EXPECT_EQ(boards[1].base, 0x300);
    EXPECT_DOUBLE_EQ(boards[1].channels[0].frequencyHz, 10.0);
}

TEST(SimulatorConfiguration, SettingsAndChannelRangesAreRead) {
    auto result = parseConfig(
        "pic-master-mask = 0xFB\n"
        "[board]\n"
        "type = senu   # cheap one\n"
        "base = 640\n"
        "conversion-reads = 0\n"
        "digital-input = 0x0F 255\n"
        "channels 2-4 = square amplitude=1.5 frequency=50 phase=90\n");
    ASSERT_TRUE(result.config) << result.error;
    const auto& board = result.config->boards.at(0);
    EXPECT_EQ(result.config->masterMask, 0xFB);
    EXPECT_EQ(board.base, 640);
    EXPECT_EQ(board.conversionReads, 0U);
    EXPECT_EQ(board.digitalInput[1], 255);
    for (int channel : {2, 3, 4}) {
        EXPECT_EQ(board.channels[channel].waveform, Waveform::Square);
        EXPECT_DOUBLE_EQ(board.channels[channel].phaseDegrees, 90.0);
    }
    EXPECT_EQ(board.channels[5].waveform, Waveform::Constant);
}

TEST(SimulatorConfiguration, MistakesNameTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"[board]\ntype = vexa\nbase = 0x300\nspeed = 3\n",
         "line 4: unknown board setting 'speed'"},
        {"[board]\ntype = vexa\n", "line 1: the board has no base"},
        {"[board]\ntype = vexa\nbase = 0x300\n[board]\ntype = olmi\nbase = 0x308\n",
         "line 4: the board's ports overlap those of the board on line 1"},
        {"[board]\ntype = dorv\nbase = 0x18\n",
         "line 1: the board overlaps the interrupt controller ports"},
        {"[board]\ntype = vexa\nbase = 0x300\nchannel 16 = sine\n",
         "line 4: channel must be 0 to 15"},
        {"[board]\ntype = vexa\nbase = 0x300\nchannel 1 = sine amplitude=big\n",
         "line 4: signal amplitude must be a number"},
        {"[board]\ntype = vexa\nbase = 0x300\nchannel 4 = noise seed=4444444444444444444444\n",
         "line 4: signal seed must be at most 4294967295"},
        {"pic-master-mask = 0x100\n", "line 1: pic-master-mask must be a byte"},
        {"[boards]\n", "line 1: unknown section"},
    };
    for (const auto& c : cases) {
        auto result = parseConfig(c.text);
        EXPECT_FALSE(result.config) << c.text;
        EXPECT_EQ(result.error.rfind(c.error, 0), 0U) << result.error;
    }
}

TEST(SimulatorConfiguration, EnvironmentFileReplacesTheDefaultAndABadOneFallsBack) {
    std::string path = ::testing::TempDir() + "/brennix-sim-test.conf";
    {
        std::ofstream file(path);
        file << "[board]\ntype = dorv\nbase = 0x340\n";
    }
    setenv("BRENNIX_SIM_CONFIG", path.c_str(), 1);
    auto config = configFromEnvironment();
    ASSERT_EQ(config.boards.size(), 1U);
    EXPECT_EQ(config.boards[0].base, 0x340);

    {
        std::ofstream file(path);
        file << "[board]\ntype = quantum\n";
    }
    ::testing::internal::CaptureStderr();
    config = configFromEnvironment();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("line 2: unknown board type 'quantum'"), std::string::npos) << said;
    EXPECT_EQ(config.boards.size(), defaultConfig().boards.size());
    unsetenv("BRENNIX_SIM_CONFIG");
}

}  // namespace
}  // namespace brennix::sim
