#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "outside/device_codes.h"
#include "platform/hw/backend.h"
#include "tests/tools/brennix-acquire/acquire_fixture.h"

namespace brennix::acquire::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class FailedRuns : public StoreRun {
  protected:
    // A Vexa configured where no board is: the simulator decodes nothing
    // at 0x310.
    void addBoardlessVexa() {
        ASSERT_TRUE(store.addDevice(
            "005@Brax-VexaL",
            {{"BaseAddress1", 0x310}, {"BaseAddress2", 0}, {"IRQ1", 7}, {"IRQ2", 1}, {"DMA", 1}}));
    }

    // The next line after the control's own message.
    std::string lineAfter(const std::string& message) const {
        const std::string text = err.str();
        auto at = text.find("message: " + message + "\n");
        if (at == std::string::npos) {
            return {};
        }
        auto from = text.find('\n', at) + 1;
        return text.substr(from, text.find('\n', from) - from);
    }
};

TEST_F(FailedRuns, ATimedOutDmaRunWritesNoInventedRows) {
    addBoardlessVexa();
    EXPECT_EQ(run({"-d", "5", "-m", "dma", "-s", "10000", "-n", "10", "--no-plot"}), kExitFailed);
    // Its stop hands over ten converter codes of 0 that were never measured.
    EXPECT_FALSE(std::filesystem::exists(csvPath()));
    EXPECT_THAT(err.str(), HasSubstr("none of them can be trusted"));
    EXPECT_THAT(err.str(), HasSubstr("nothing was written"));
    EXPECT_THAT(err.str(), HasSubstr("block ended with 0 of 10 samples"));
    EXPECT_EQ(lineAfter("Timeout error,check IRQ or DMA"),
              "brennix-acquire: no board answers at 0x310 (BaseAddress1 of device 5): its "
              "registers read 0xFF. Check the board's address and correct it with brennix-config "
              "set 5 BaseAddress1 0x...");
}

TEST_F(FailedRuns, AFailedRunLeavesAnEarlierFileAsItWas) {
    addBoardlessVexa();
    {
        std::ofstream earlier(csvPath());
        earlier << "earlier\n";
    }
    EXPECT_EQ(run({"-d", "5", "-m", "polling", "-n", "10", "--no-plot"}), kExitFailed);
    std::ifstream file(csvPath());
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "earlier");
    // Nothing answers, so no conversion ever ends.
    EXPECT_EQ(lineAfter("Get data error").rfind("brennix-acquire: no board answers at 0x310", 0),
              0U)
        << err.str();
}

TEST_F(FailedRuns, ATimedOutInterruptRunKeepsTheSamplesItDeliveredAndSaysItTimedOut) {
    // One second into the run the device stops answering status calls:
    // the control's wait runs out with the samples counted until then.
    const sim::SignalConfig sine = vexaSignal(0);
    const double start = static_cast<double>(now()) / 1e6;
    auto alarm = std::make_shared<AlarmClock>(machine.clock(), now() + 1'000'000, [this] {
        machine.simulator().refuseControl(drivers::braxvexa::kInterruptStatus);
    });
    hw::ScopedClock scope(alarm);
    EXPECT_EQ(run({"-d", "1", "-s", "10000", "-n", "20000", "--no-plot"}), kExitFailed);
    Csv read = csv();
    ASSERT_GT(read.rows.size(), 4000U);
    ASSERT_LT(read.rows.size(), 20000U);
    const std::string taken = std::to_string(read.rows.size());
    EXPECT_EQ(read.metadata.at("samples"), taken + " of 20000");
    EXPECT_EQ(read.metadata.at("outcome"),
              "timed out: the interrupt run timed out after the control's 5 s wait with " + taken +
                  " of 20000 samples");
    for (std::size_t k = 0; k < read.rows.size(); ++k) {
        double t = start + static_cast<double>(k + 1) / 10000.0;
        ASSERT_EQ(read.rows[k].raw, sim::codeForVolts(sim::signalVolts(sine, t), -5.0, 5.0)) << k;
    }
    EXPECT_THAT(err.str(), HasSubstr("(" + taken + " of 20000 samples, timed out, +/-5 V)"));
    EXPECT_EQ(lineAfter("Timeout error,check IRQ or DMA"),
              "brennix-acquire: the board at 0x300 answers, but the block did not come: check "
              "IRQ1 (7) of device 1 against the board's jumpers (brennix-config show 1)");
}

TEST_F(FailedRuns, APolledRunThatFailsMidwayKeepsTheSamplesBeforeTheFailure) {
    // From 10 ms on every conversion stays busy.
    auto alarm = std::make_shared<AlarmClock>(
        machine.clock(), now() + 9'500, [this] { machine.simulator().script().hold(0x305, 0x1F); });
    hw::ScopedClock scope(alarm);
    EXPECT_EQ(run({"-d", "1", "-m", "polling", "-s", "1000", "-n", "50", "--no-plot"}),
              kExitFailed);
    Csv read = csv();
    EXPECT_EQ(read.rows.size(), 10U);
    EXPECT_EQ(read.metadata.at("outcome"), "failed: sample 10 could not be read (ErrorCode 28)");
    // The board answers, so the control's message needs no explanation.
    EXPECT_THAT(lineAfter("Get data error"), Not(HasSubstr("no board answers")));
}

TEST_F(FailedRuns, ACardTheDriverRefusesIsExplainedFromTheStore) {
    ASSERT_TRUE(store.addDevice("004@Brax-VexaL", {{"BaseAddress1", 0x300}, {"IRQ1", 7}}));
    ASSERT_TRUE(store.addDevice("006@Brax-VexaL", {{"BaseAddress1", 0x300}, {"IRQ1", 7}}));
    EXPECT_EQ(run({"-d", "6", "-n", "10", "--no-plot"}), kExitFailed);
    EXPECT_EQ(lineAfter("Invalid board number"),
              "brennix-acquire: device 6 is card 2 of Brax-VexaL (the controls count that "
              "board's devices 1, 4 and 6 in this order), but the Vexa driver accepts cards 0 "
              "and 1: remove the Brax-VexaL devices you do not have with brennix-config remove N");
    EXPECT_THAT(err.str(), HasSubstr("device 6 could not be opened (ErrorCode 2)"));
}

TEST_F(FailedRuns, AnInterruptLineTheBoardCannotUseIsNamed) {
    ASSERT_TRUE(store.addDevice("008@Brax-Senu", {{"BaseAddress1", 0x280}, {"IRQ1", 9}}));
    EXPECT_EQ(run({"-d", "8", "-n", "10", "--no-plot"}), kExitFailed);
    EXPECT_EQ(lineAfter("Invalid IRQ number,see manual about this board"),
              "brennix-acquire: IRQ1 of device 8 is 9, but a Brax-Senu takes IRQ 2 to 7: "
              "brennix-config set 8 IRQ1 5 (or the line the board uses)");
}

// The simulator, but without the right to use its ports.
class RefusedPorts final : public hw::Backend {
  public:
    explicit RefusedPorts(std::shared_ptr<sim::Simulator> inner) : inner_(std::move(inner)) {}
    std::string_view name() const override { return "refused"; }
    std::uint8_t readByte(hw::PortAddress port) override { return inner_->readByte(port); }
    void writeByte(hw::PortAddress port, std::uint8_t value) override {
        inner_->writeByte(port, value);
    }
    std::unique_ptr<hw::Device> openDevice(std::string_view device) override {
        return inner_->openDevice(device);
    }
    bool portsAccessible() const override { return false; }

  private:
    std::shared_ptr<sim::Simulator> inner_;
};

TEST_F(FailedRuns, WithoutPortAccessTheToolSaysSoFirstAndMeasuresNothing) {
    loadOutput = "a driver could not open its device\n";
    {
        hw::ScopedBackend refused(std::make_shared<RefusedPorts>(machine.shared()));
        ::setenv("BRENNIX_PORTS", "real", 1);
        EXPECT_EQ(run({"-d", "1", "--no-plot"}), kExitFailed);
        ::unsetenv("BRENNIX_PORTS");
    }
    EXPECT_THAT(err.str(), HasSubstr("BRENNIX_PORTS=real asks for this machine's own I/O ports, "
                                     "but port access was refused"));
    EXPECT_THAT(err.str(), HasSubstr("Unset BRENNIX_PORTS"));
    EXPECT_THAT(err.str(), Not(HasSubstr("could not open its device")));
    EXPECT_FALSE(std::filesystem::exists(csvPath()));
    // With the ports there, what the drivers said on loading is passed on.
    EXPECT_EQ(run({"-d", "1", "-n", "10", "--no-plot"}), kExitOk);
    EXPECT_EQ(err.str().rfind("brennix-acquire: driver: a driver could not open its device\n", 0),
              0U)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace brennix::acquire::testing
