#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

    // `environment` is set for the program alone: "NAME=value ...".
    Output start(const std::string& arguments, const std::string& environment = {}) {
        const std::string errFile = (store.path().parent_path() / "err.txt").string();
        const std::string command =
            environment + " '" BRENNIX_ACQUIRE_BINARY "' " + arguments + " 2>'" + errFile + "'";
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

TEST_F(AcquireProgram, RealPortsThatAreRefusedLeaveStandardOutputEmpty) {
    // Where the ports exist, this would touch the machine's own hardware.
    if (::access("/dev/port", F_OK) == 0) {
        GTEST_SKIP() << "this machine has /dev/port";
    }
    const std::string csv = (store.path().parent_path() / "real.csv").string();
    Output run = start("--create-store -d 1 --no-plot --csv '" + csv + "'", "BRENNIX_PORTS=real");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("BRENNIX_PORTS=real asks for this machine's own I/O ports"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(AcquireProgram, ReportsItsVersion) {
    Output run = start("--version");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out.rfind("brennix-acquire ", 0), 0U) << run.out;
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace brennix::acquire::testing
