#pragma once
// The simulator's default boards behind the default store, in virtual time,
// and the tool run in-process with its CSV read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/hw/clock.h"
#include "simulator/signal_source.h"
#include "simulator/simulator.h"
#include "tests/daq/common/temporary_store.h"
#include "tools/brennix-acquire/acquire_command.h"
#include "tools/brennix-acquire/default_store.h"

namespace brennix::acquire::testing {

struct CsvRow {
    std::int64_t sample = -1;
    double seconds = -1.0;
    std::int32_t raw = -1;
    double volts = 0.0;
};

struct Csv {
    std::map<std::string, std::string> metadata;  // "# key: value" lines
    std::string columns;
    std::vector<CsvRow> rows;
};

inline Csv parseCsv(std::istream& in) {
    Csv csv;
    std::string line;
    while (std::getline(in, line) && line.rfind("# ", 0) == 0) {
        auto colon = line.find(": ");
        EXPECT_NE(colon, std::string::npos) << line;
        csv.metadata[line.substr(2, colon - 2)] = line.substr(colon + 2);
    }
    csv.columns = line;
    while (std::getline(in, line)) {
        CsvRow row;
        char c1 = 0;
        char c2 = 0;
        char c3 = 0;
        std::istringstream fields(line);
        fields >> row.sample >> c1 >> row.seconds >> c2 >> row.raw >> c3 >> row.volts;
        EXPECT_TRUE(fields && c1 == ',' && c2 == ',' && c3 == ',') << line;
        csv.rows.push_back(row);
    }
    return csv;
}

// The machine's virtual clock, which does something once when time reaches
// a mark; optionally every reading of it costs time, as a slow host would.
class AlarmClock final : public hw::Clock {
  public:
    AlarmClock(hw::VirtualClock& inner, std::uint64_t atMicros, std::function<void()> ring,
               std::uint64_t microsPerReading = 0)
        : inner_(inner), at_(atMicros), ring_(std::move(ring)), cost_(microsPerReading) {}

    std::uint64_t nowMicroseconds() override {
        inner_.advance(cost_);
        check();
        return inner_.nowMicroseconds();
    }
    void sleep(std::uint32_t milliseconds) override {
        inner_.sleep(milliseconds);
        check();
    }

  private:
    void check() {
        if (ring_ && inner_.nowMicroseconds() >= at_) {
            auto ring = std::move(ring_);
            ring_ = nullptr;
            ring();
        }
    }

    hw::VirtualClock& inner_;
    std::uint64_t at_;
    std::function<void()> ring_;
    std::uint64_t cost_;
};

class AcquireRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(drivers::vexa::reload(), 1);
        ASSERT_EQ(drivers::olmi::reload(), 1);
        ASSERT_EQ(drivers::senu::reload(), 1);
    }

    void useDefaultStore() {
        std::string error;
        ASSERT_TRUE(createDefaultStore(store.path(), error)) << error;
    }

    // Adds --csv and --png into the store's folder unless args name them.
    int run(std::vector<std::string> args, const std::string& answer = {},
            bool interactive = false) {
        auto names = [&](const char* option) {
            return std::find(args.begin(), args.end(), option) != args.end();
        };
        if (!names("--csv")) {
            args.insert(args.end(), {"--csv", csvPath()});
        }
        if (!names("--png") && !names("--no-plot")) {
            args.insert(args.end(), {"--png", pngPath()});
        }
        std::istringstream in(answer);
        out.str({});
        err.str({});
        return runAcquire(args, Terminal{in, out, err, interactive, false, loadOutput});
    }

    std::filesystem::path folder() const { return store.path().parent_path(); }
    std::string csvPath() const { return (folder() / "run.csv").string(); }
    std::string pngPath() const { return (folder() / "run.png").string(); }

    Csv csv() const {
        std::ifstream file(csvPath());
        EXPECT_TRUE(file) << csvPath();
        Csv read = parseCsv(file);
        EXPECT_EQ(read.columns, "sample,time_s,raw,volts");
        return read;
    }

    static sim::SignalConfig vexaSignal(unsigned channel) {
        return sim::defaultConfig().boards.at(1).channels.at(channel);
    }

    std::uint64_t now() { return machine.clock().nowMicroseconds(); }

    daq::testing::TemporaryStore store;
    sim::ScopedSimulator machine{sim::defaultConfig()};
    std::ostringstream out;
    std::ostringstream err;
    std::string loadOutput;
};

// With the default store in place.
class StoreRun : public AcquireRun {
  protected:
    void SetUp() override {
        AcquireRun::SetUp();
        useDefaultStore();
    }
};

}  // namespace brennix::acquire::testing
