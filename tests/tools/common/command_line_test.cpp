#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tools/brennix-acquire/acquire_command.h"
#include "tools/brennix-config/config_command.h"
#include "tools/brennix-reference/reference_command.h"
#include "tools/brennix-register/register_command.h"
#include "tools/brennix-render/render_command.h"
#include "tools/common/command_line.h"
#include "tools/common/version.h"

namespace brennix::tools {
namespace {

using ::testing::ElementsAre;

constexpr OptionRule kRules[] = {
    {"device", 'd', true},
    {"unregister", 'u'},
    {"silent", 's'},
    {"store", 0, true, "a file name"},
};

std::vector<std::string> valuesOf(const ParsedArguments& parsed) {
    std::vector<std::string> values;
    for (const auto& option : parsed.options) {
        values.push_back(std::string(option.name) + "=" + option.value.value_or("-"));
    }
    return values;
}

TEST(CommandLine, AValueMayBeAttachedSeparateOrAfterAnEqualsSign) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-d1"}, {"-d", "1"}, {"--device=1"}, {"--device", "1"}}) {
        ParsedArguments parsed = parseArguments(args, kRules);
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        EXPECT_THAT(valuesOf(parsed), ElementsAre("device=1")) << args.front();
    }
    // A value is taken as it stands, even when it starts with a dash.
    EXPECT_THAT(valuesOf(parseArguments({"-d", "-u"}, kRules)), ElementsAre("device=-u"));
    EXPECT_THAT(valuesOf(parseArguments({"--store="}, kRules)), ElementsAre("store="));
}

TEST(CommandLine, FlagsBundleAndTheLastOneMayTakeTheRestAsItsValue) {
    EXPECT_THAT(valuesOf(parseArguments({"-us"}, kRules)), ElementsAre("unregister=-", "silent=-"));
    EXPECT_THAT(valuesOf(parseArguments({"-usd7"}, kRules)),
                ElementsAre("unregister=-", "silent=-", "device=7"));
    EXPECT_THAT(valuesOf(parseArguments({"-ud", "7"}, kRules)),
                ElementsAre("unregister=-", "device=7"));
}

TEST(CommandLine, DashesThatAreNotOptionsStayArguments) {
    ParsedArguments parsed =
        parseArguments({"-", "-1", "-.5", "file", "--", "-u", "--device"}, kRules);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_TRUE(parsed.options.empty());
    EXPECT_THAT(parsed.positional, ElementsAre("-", "-1", "-.5", "file", "-u", "--device"));
}

TEST(CommandLine, EachMistakeIsNamedAsWritten) {
    ParsedArguments unknown = parseArguments({"-u", "-x"}, kRules);
    EXPECT_EQ(unknown.problem, ArgumentProblem::UnknownOption);
    EXPECT_EQ(unknown.offending, "-x");
    EXPECT_EQ(unknown.error, "unknown option \"-x\"");
    EXPECT_EQ(parseArguments({"-ux"}, kRules).offending, "-x");
    EXPECT_EQ(parseArguments({"--bogus=3"}, kRules).offending, "--bogus");
    EXPECT_EQ(parseArguments({"-d"}, kRules).error, "-d needs a value");
    EXPECT_EQ(parseArguments({"--store"}, kRules).error, "--store needs a file name");
    ParsedArguments unwanted = parseArguments({"--silent=yes"}, kRules);
    EXPECT_EQ(unwanted.problem, ArgumentProblem::UnwantedValue);
    EXPECT_EQ(unwanted.error, "--silent takes no value");
}

TEST(Version, EveryToolReportsTheProjectVersionOnStandardOutput) {
    const std::string version = BRENNIX_PROJECT_VERSION;
    EXPECT_EQ(projectVersion(), version);
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(acquire::runAcquire({"--version"}, {in, out, err}), 0);
    EXPECT_EQ(out.str(), "brennix-acquire " + version + "\n");
    out.str({});
    EXPECT_EQ(config::runConfig({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "brennix-config " + version + "\n");
    out.str({});
    EXPECT_EQ(runRegisterCommand({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "brennix-register " + version + "\n");
    out.str({});
    EXPECT_EQ(render::runRender({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "brennix-render " + version + "\n");
    out.str({});
    EXPECT_EQ(reference::runReference({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "brennix-reference " + version + "\n");
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace brennix::tools
