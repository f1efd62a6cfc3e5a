#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/common/output_file.h"

namespace brennix::tools {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class OutputFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brennix-output-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = (folder_ / "run.csv").string();
        std::ofstream(path_) << "earlier\n";
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    std::string content() const {
        std::ifstream file(path_);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            found.push_back(entry.path().filename().string());
        }
        return found;
    }

    std::filesystem::path folder_;
    std::string path_;
    std::ostringstream standardOutput_;
};

TEST_F(OutputFiles, AWriteThatFailsHalfwayLeavesTheEarlierFileAndNoTemporary) {
    std::string error;
    EXPECT_FALSE(writeOutput(
        path_, standardOutput_,
        [](std::ostream& out) {
            out << "half of it";
            out.setstate(std::ios::badbit);
        },
        error));
    EXPECT_THAT(error, HasSubstr("run.csv"));
    EXPECT_EQ(content(), "earlier\n");
    EXPECT_THAT(names(), ElementsAre("run.csv"));

    EXPECT_FALSE(writeOutputFile(
        path_, standardOutput_,
        [](const std::string& file, std::string& why) {
            std::ofstream(file) << "half of it";
            why = "the encoder gave up";
            return false;
        },
        error));
    EXPECT_EQ(error, "the encoder gave up");
    EXPECT_EQ(content(), "earlier\n");
    EXPECT_THAT(names(), ElementsAre("run.csv"));
}

TEST_F(OutputFiles, AWholeWriteReplacesTheFileAndADashGoesToStandardOutput) {
    std::string error;
    ASSERT_TRUE(writeOutput(
        path_, standardOutput_, [](std::ostream& out) { out << "new\n"; }, error))
        << error;
    EXPECT_EQ(content(), "new\n");
    EXPECT_THAT(names(), ElementsAre("run.csv"));
    ASSERT_TRUE(writeOutput(
        "-", standardOutput_, [](std::ostream& out) { out << "data\n"; }, error));
    EXPECT_EQ(standardOutput_.str(), "data\n");
    EXPECT_EQ(shownPath("-"), "standard output");
}

TEST_F(OutputFiles, AnOutputThatCannotBeWrittenIsNamedBeforeAnyRun) {
    EXPECT_EQ(outputProblem(path_), "");
    EXPECT_EQ(outputProblem("-"), "");
    EXPECT_EQ(outputProblem("/dev/null"), "");
    EXPECT_THAT(outputProblem(folder_.string()), HasSubstr("is a folder"));
    EXPECT_THAT(outputProblem((folder_ / "gone" / "x.csv").string()), HasSubstr("does not exist"));
}

}  // namespace
}  // namespace brennix::tools
