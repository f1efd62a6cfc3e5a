#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tests/platform/com/loading_fixture.h"

namespace brennix::com::testing {
namespace {

using ::testing::HasSubstr;

class RegisterTool : public LoadingTest {
  protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return tools::runRegisterCommand(args, out, err);
    }
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(RegisterTool, RegistersAndUnregistersALibraryByItsFile) {
    EXPECT_EQ(run({kGaugeFile}), 0);
    EXPECT_THAT(out.str(), HasSubstr("DllRegisterServer in " + kGaugeFile + " succeeded."));
    EXPECT_THAT(out.str(), HasSubstr("Registered:\n  GAUGEKIT.GaugeCtrl.1\n"));
    EXPECT_THAT(out.str(), HasSubstr("\n  GAUGEKIT.DialCtrl.1"));
    EXPECT_EQ(classesValue("GAUGEKIT.GaugeCtrl.1\\CLSID"), kGaugeClass);
    // The tool's own process keeps none of the classes.
    EXPECT_FALSE(ClassRegistry::process().find("GAUGEKIT.GaugeCtrl.1"));

    EXPECT_EQ(run({"-u", "-s", kGaugeFile}), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(classesKeyExists("GAUGEKIT.GaugeCtrl.1"));
}

TEST_F(RegisterTool, SaysWhatIsWrongWithTheCommandOrTheFile) {
    // A wrong command line exits 2, as every tool of the suite does.
    EXPECT_EQ(run({}), 2);
    EXPECT_THAT(err.str(), HasSubstr("no library file given"));
    EXPECT_EQ(run({"-x", kGaugeFile}), 2);
    EXPECT_THAT(err.str(), HasSubstr("unknown option -x"));
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_THAT(out.str(), HasSubstr("Usage: brennix-register"));

    const std::string gone = (folder_ / "libgone.so").string();
    EXPECT_EQ(run({gone}), tools::kFileMissing);
    EXPECT_THAT(err.str(), HasSubstr(gone + " does not exist"));
    EXPECT_EQ(run({folder_.string()}), tools::kFileMissing);
    EXPECT_EQ(run({kPlainFile}), tools::kNoEntryPoint);
    EXPECT_THAT(err.str(), HasSubstr("has no DllRegisterServer entry point"));
    EXPECT_EQ(run({path_.string()}), tools::kFileMissing);  // no store written yet

    writeStore("not a store\r\n");
    EXPECT_EQ(run({path_.string()}), tools::kCannotLoad);
    EXPECT_THAT(err.str(), HasSubstr("cannot be loaded"));
}

TEST_F(RegisterTool, TheFirstFailureDecidesTheExitStatusAndTheRestIsStillDone) {
    EXPECT_EQ(run({kPlainFile, kGaugeFile}), tools::kNoEntryPoint);
    EXPECT_EQ(classesValue("GAUGEKIT.DialCtrl.1\\CLSID"), kDialClass);
}

}  // namespace
}  // namespace brennix::com::testing
