#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tools/brennix-acquire/acquire_command.h"
#include "tools/brennix-acquire/acquire_options.h"
#include "tools/brennix-acquire/input_scale.h"

namespace brennix::acquire {
namespace {

using ::testing::HasSubstr;

class CommandLine : public ::testing::Test {
  protected:
    static ParsedCommandLine parse(std::vector<std::string> args) { return parseCommandLine(args); }
};

TEST_F(CommandLine, ShortLongAttachedAndInlineFormsSetTheRun) {
    auto parsed = parse({"-d1", "--channel=3", "-mdma", "--rate=20000", "-n", "500", "--range",
                         "uni5", "--csv", "a.csv", "--png=b.png", "--create-store"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const AcquireOptions& o = *parsed.options;
    EXPECT_EQ(o.device, 1);
    EXPECT_EQ(o.channel, 3);
    EXPECT_EQ(o.transfer, Transfer::Dma);
    EXPECT_DOUBLE_EQ(o.rate, 20000.0);
    EXPECT_EQ(o.count, 500);
    EXPECT_EQ(o.rangeCode, 5);
    EXPECT_EQ(o.csvPath, "a.csv");
    EXPECT_EQ(o.pngPath, "b.png");
    EXPECT_TRUE(o.createStore);
    EXPECT_TRUE(o.plot);
}

TEST_F(CommandLine, BadValuesAreNamedInTheError) {
    EXPECT_THAT(parse({"-d", "1000"}).error, HasSubstr("0 to 999"));
    EXPECT_THAT(parse({"-d", "1", "-n", "0"}).error, HasSubstr("--count takes 1 to"));
    EXPECT_THAT(parse({"-d", "1", "-s", "fast"}).error, HasSubstr("\"fast\""));
    EXPECT_THAT(parse({"-d", "1", "-s", "nan"}).error, HasSubstr("--rate"));
    EXPECT_THAT(parse({"-d", "1", "-g", "3"}).error, HasSubstr("1, 2, 4, 8 or 16"));
    EXPECT_THAT(parse({"-d", "1", "-r", "bip3"}).error, HasSubstr("--range"));
    EXPECT_THAT(parse({"-d", "1", "-m", "burst"}).error, HasSubstr("polling, interrupt or dma"));
    EXPECT_THAT(parse({"-d", "1", "--rate"}).error, HasSubstr("needs a value"));
    EXPECT_THAT(parse({"-d", "1", "-r", "0", "-g", "1"}).error, HasSubstr("give one of them"));
    EXPECT_THAT(parse({"-d", "1", "--csv", "x", "--png", "x"}).error, HasSubstr("same file"));
    EXPECT_THAT(parse({"--no-plot=1", "-d", "1"}).error, HasSubstr("takes no value"));
    EXPECT_THAT(parse({}).error, HasSubstr("--device"));
    EXPECT_THAT(parse({"-d", "1", "extra"}).error, HasSubstr("unexpected argument \"extra\""));
    EXPECT_THAT(parse({"-d", "1", "-x"}).error, HasSubstr("unknown option \"-x\""));
    EXPECT_THAT(parse({"-d", "1", "--csv="}).error, HasSubstr("--csv needs a file name"));
}

TEST_F(CommandLine, HelpAndVersionAreAnsweredWhateverElseIsGiven) {
    EXPECT_TRUE(parse({"-d", "nine", "--help"}).help);
    EXPECT_TRUE(parse({"--version", "--bogus"}).version);
    EXPECT_FALSE(parse({"--version", "--bogus"}).options);
}

TEST_F(CommandLine, HelpIsPrintedAndAUsageErrorExitsWithTwo) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runAcquire({"--help"}, {in, out, err}), kExitOk);
    EXPECT_THAT(out.str(), HasSubstr("Usage: brennix-acquire --device N"));
    EXPECT_EQ(runAcquire({"--bogus"}, {in, out, err}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("unknown option \"--bogus\""));
}

TEST(InputScale, CodesSpanEveryRangeAndGainFromEndToEnd) {
    for (int code = 0; code < kVexaRangeCodes; ++code) {
        auto scale = vexaRange(code);
        ASSERT_TRUE(scale);
        EXPECT_EQ(parseRangeCode(rangeName(code)), code);
        EXPECT_DOUBLE_EQ(voltsOf(0, *scale), scale->low);
        EXPECT_DOUBLE_EQ(voltsOf(4095, *scale), scale->high);
    }
    EXPECT_DOUBLE_EQ(vexaRange(3)->high, 0.625);
    EXPECT_DOUBLE_EQ(vexaRange(7)->low, 0.0);
    EXPECT_DOUBLE_EQ(vexaRange(7)->high, 1.25);
    EXPECT_DOUBLE_EQ(vexaRange(8)->low, -10.0);
    EXPECT_FALSE(vexaRange(9));
    EXPECT_DOUBLE_EQ(gainRange(*parseGainCode("16"))->high, 0.3125);
    // Channel bits above the 12-bit code do not change the volts.
    EXPECT_DOUBLE_EQ(voltsOf(0x3000 | 2048, *gainRange(0)), voltsOf(2048, *gainRange(0)));
}

}  // namespace
}  // namespace brennix::acquire
