#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "tests/daq/common/temporary_store.h"
#include "tests/tools/brennix-acquire/acquire_fixture.h"

namespace brennix::acquire::testing {
namespace {

// The program as a user starts it, on the simulator in real time.
class AcquireProgram : public ::testing::Test {
  protected:
    struct Output {
        int code = -1;
        std::string out;
        std::string err;
    };

    Output start(const std::string& arguments) {
        const std::string errFile = (store.path().parent_path() / "err.txt").string();
        const std::string command =
            "'" BRENNIX_ACQUIRE_BINARY "' " + arguments + " 2>'" + errFile + "'";
        Output result;
        FILE* pipe = ::popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        char buf[4096];
        for (std::size_t got;
             pipe != nullptr && (got = std::fread(buf, 1, sizeof buf, pipe)) > 0;) {
            result.out.append(buf, got);
        }
        int status = pipe != nullptr ? ::pclose(pipe) : -1;
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(errFile);
        result.err.assign(std::istreambuf_iterator<char>(err), {});
        return result;
    }

    daq::testing::TemporaryStore store;
};

TEST_F(AcquireProgram, StandardOutputCarriesNothingButTheCsv) {
    Output run = start("--create-store -d 1 -m polling -s 1000 -n 5 --csv - --no-plot");
    ASSERT_EQ(run.code, 0) << run.err;
    std::istringstream written(run.out);
    Csv read = parseCsv(written);
    EXPECT_EQ(read.columns, "sample,time_s,raw,volts");
    EXPECT_EQ(read.rows.size(), 5U);
    EXPECT_NE(run.err.find("created the device store"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("samples: standard output (5 samples"), std::string::npos) << run.err;
}

TEST_F(AcquireProgram, ReportsItsVersion) {
    Output run = start("--version");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out.rfind("brennix-acquire ", 0), 0U) << run.out;
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace brennix::acquire::testing
