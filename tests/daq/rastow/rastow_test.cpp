#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "daq/rastow/rastow_ctrl.h"
#include "daq/rastow/rastow_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/class_registry.h"
#include "tests/daq/pellam/hardware_fixture.h"

namespace brennix::daq::testing {
namespace {

using outside::Library;
using rastow::CRastowCtrl;
using ::testing::ElementsAre;

class DigitalOutput : public HardwareControlTest {
  protected:
    void SetUp() override { ASSERT_EQ(drivers::vexa::reload(), 1); }

    std::shared_ptr<CRastowCtrl> open(const std::string& key, std::uint32_t base = 0x240) {
        return openControl<CRastowCtrl>(key, base, 5);
    }
    static void setPort(CRastowCtrl& control, std::int16_t port) {
        ASSERT_TRUE(control.put("Port", com::Variant(port)));
    }
    static void setBit(CRastowCtrl& control, std::int16_t bit) {
        ASSERT_TRUE(control.put("Bit", com::Variant(bit)));
    }
    std::vector<std::vector<std::int64_t>> argumentsOfEach(const std::string& function) {
        std::vector<std::vector<std::int64_t>> all;
        for (const auto& record : calls().callsTo(function)) {
            all.push_back(record.arguments);
        }
        return all;
    }
};

TEST_F(DigitalOutput, MavoPortCIsWrittenAsTwoHalves) {
    auto control = open("000@Brax-Mavo");
    setPort(*control, 5);
    EXPECT_TRUE(control->ByteOutput(0xA5));
    EXPECT_THAT(argumentsOfEach("W_Mavo_DO"),
                ElementsAre(ElementsAre(0x103, 0x0A), ElementsAre(0x104, 0x05)));
    EXPECT_EQ(control->shadow()[5], 0xA5);
    // Read back combines the halves the same way.
    EXPECT_EQ(control->ByteReadBack(), 0xA5);
    EXPECT_THAT(argumentsOfEach("W_Mavo_Read_Back"),
                ElementsAre(ElementsAre(0x103), ElementsAre(0x104)));
}

TEST_F(DigitalOutput, AFailedHalfIsReportedAndTheShadowKept) {
    auto control = open("000@Brax-Mavo");
    setPort(*control, 5);
    ASSERT_TRUE(outside::simulation().failNext("W_Mavo_DO", 9));
    EXPECT_FALSE(control->ByteOutput(0xA5));
    EXPECT_EQ(control->errorCode(), 9);
    EXPECT_EQ(control->shadow()[5], 0);
    EXPECT_THAT(texts(), ElementsAre("PORTC high 4 bit output failed", "Output failed"));
}

TEST_F(DigitalOutput, FenqPortsShareOneWord) {
    auto control = open("000@Brax-Fenq");
    setPort(*control, 0);
    EXPECT_TRUE(control->ByteOutput(0x34));
    setPort(*control, 1);
    EXPECT_TRUE(control->ByteOutput(0x12));
    EXPECT_THAT(argumentsOfEach("W_Fenq_DO"), ElementsAre(ElementsAre(0x34), ElementsAre(0x1234)));
    EXPECT_EQ(control->shadow()[0], 0x34);
    EXPECT_EQ(control->shadow()[1], 0x12);
    EXPECT_EQ(control->port(), 1);
    EXPECT_EQ(outsideBoard(Library::Fenq).output(0), 0x1234);
}

TEST_F(DigitalOutput, FenqRefusesOtherPorts) {
    auto control = open("000@Brax-Fenq");
    setPort(*control, 2);
    EXPECT_FALSE(control->ByteOutput(0x34));
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Port number error"));
    EXPECT_TRUE(calls().callsTo("W_Fenq_DO").empty());
}

TEST_F(DigitalOutput, TepaBReplacesOneHalfOfTheWordItReadsBack) {
    auto control = open("000@Brax-Tepa/16");
    setPort(*control, 0);
    EXPECT_TRUE(control->ByteOutput(0xAB));
    setPort(*control, 1);
    EXPECT_TRUE(control->ByteOutput(0x12));
    EXPECT_THAT(argumentsOfEach("W_TepaB_DO"), ElementsAre(ElementsAre(0xAB), ElementsAre(0x12AB)));
    EXPECT_EQ(control->ByteReadBack(), 0x12);
    setPort(*control, 2);
    EXPECT_FALSE(control->ByteOutput(1));
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Port number error", "Output failed"));
}

TEST_F(DigitalOutput, NumberedPortsArePassedAsTheyAre) {
    struct Case {
        const char* key;
        Library library;
        const char* write;
    };
    const Case cases[] = {{"000@Brax-Kilp", Library::Kilp, "W_Kilp_DO_8"},
                          {"001@Brax-Rulk", Library::Rulk, "W_Rulk_DO"},
                          {"002@Brax-Nilb", Library::Nilb, "W_Nilb_DO"},
                          {"003@Brax-Pruv", Library::Pruv, "W_Pruv_DO"}};
    std::uint32_t base = 0x240;
    for (const auto& c : cases) {
        auto control = open(c.key, base += 0x10);
        setPort(*control, 2);
        EXPECT_TRUE(control->ByteOutput(0x1C3));  // the low eight bits only
        EXPECT_THAT(argumentsOf(c.write), ElementsAre(2, 0xC3)) << c.write;
        EXPECT_EQ(outsideBoard(c.library).output(2), 0xC3) << c.write;
    }
}

TEST_F(DigitalOutput, TepaAndUbrixAddressTheirPortsTheirOwnWay) {
    auto tepa = open("000@Brax-Tepa");
    setPort(*tepa, 4);
    EXPECT_TRUE(tepa->ByteOutput(0x66));
    EXPECT_THAT(argumentsOf("W_Tepa_DO"), ElementsAre(0x66));
    EXPECT_EQ(tepa->ByteReadBack(), 0x66);
    EXPECT_EQ(calls().callsTo("W_Tepa_Read_Back").size(), 1U);

    auto ubrix = open("001@ISA-Ubrix", 0);
    setPort(*ubrix, 1);
    EXPECT_TRUE(ubrix->ByteOutput(0x99));
    EXPECT_THAT(argumentsOf("_ubri_DO"), ElementsAre(2, 0x99));
    ASSERT_TRUE(outside::simulation().failNext("_ubri_DO", 8));
    EXPECT_TRUE(ubrix->ByteOutput(0x11));
    EXPECT_EQ(ubrix->errorCode(), 0);
}

TEST_F(DigitalOutput, AVexaPortReadsBackFromTheShadow) {
    auto control = open("000@Brax-VexaL", kVexaBase);
    setPort(*control, 1);
    EXPECT_TRUE(control->ByteOutput(0x5A));
    EXPECT_EQ(machine.simulator().boardAt(kVexaBase)->digitalOutput(1), 0x5A);
    EXPECT_EQ(control->call("ByteReadBack")->toInt32().value(), 0x5A);
    EXPECT_EQ(control->errorCode(), 0);
    setPort(*control, 0);
    EXPECT_EQ(control->ByteReadBack(), 0);
}

TEST_F(DigitalOutput, AFailedReadBackFallsBackToTheShadow) {
    auto control = open("000@Brax-Kilp");
    EXPECT_TRUE(control->ByteOutput(0x21));
    ASSERT_TRUE(outside::simulation().failNext("W_Kilp_Read_Back", 8));
    EXPECT_EQ(control->ByteReadBack(), 0x21);
    EXPECT_EQ(control->errorCode(), 0);
}

TEST_F(DigitalOutput, BitOutputChangesOnlyItsBit) {
    auto control = open("000@Brax-Kilp");
    setBit(*control, 3);
    EXPECT_TRUE(control->call("BitOutput", {com::Variant(true)})->toBool().value());
    EXPECT_TRUE(control->BitOutput(false));
    EXPECT_TRUE(control->BitOutput(true));
    EXPECT_TRUE(control->BitOutput(true));
    EXPECT_THAT(argumentsOfEach("W_Kilp_DO_8"),
                ElementsAre(ElementsAre(0, 0x08), ElementsAre(0, 0x00), ElementsAre(0, 0x08),
                            ElementsAre(0, 0x08)));
    EXPECT_TRUE(control->BitReadBack());
    setBit(*control, 2);
    EXPECT_FALSE(control->BitReadBack());
    // The other bits stay as the port reads back.
    ASSERT_TRUE(control->ByteOutput(0xF0));
    EXPECT_TRUE(control->BitOutput(true));
    EXPECT_EQ(outsideBoard(Library::Kilp).output(0), 0xF4);
}

TEST_F(DigitalOutput, AFailedBitOutputSaysSoTwice) {
    auto control = open("000@Brax-Kilp");
    ASSERT_TRUE(outside::simulation().failNext("W_Kilp_DO_8", 9));
    EXPECT_FALSE(control->BitOutput(true));
    EXPECT_EQ(control->errorCode(), 9);
    EXPECT_THAT(texts(), ElementsAre("Output failed", "Output failed"));
}

class DigitalOutputRefusals : public DigitalOutput {};

TEST_F(DigitalOutputRefusals, PortAndBitOutsideTheirRangesAreRefused) {
    auto control = com::createControl<CRastowCtrl>();
    setPort(*control, 18);
    setBit(*control, 8);
    EXPECT_EQ(control->port(), 0);
    EXPECT_EQ(control->bit(), 0);
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Port must between 0 to 17", "Bit must between 0 to 7"));
}

TEST_F(DigitalOutputRefusals, ALongDeviceNumberHasTheRastowWording) {
    auto control = com::createControl<CRastowCtrl>();
    ASSERT_TRUE(control->put("DeviceNumber", com::Variant(std::int32_t{1000})));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_THAT(texts(), ElementsAre("Device number length must smaller than 3",
                                     "Read device initialize parameters from Registry error"));
}

class RastowClass : public DigitalOutput {};

TEST_F(RastowClass, BitAndPortAreNumberedUnlikeTheInputControl) {
    auto control = com::createControl<CRastowCtrl>();
    const std::vector<std::pair<std::string, com::DispId>> ids{
        {"DeviceNumber", 1}, {"ErrorCode", 2},  {"Bit", 3},       {"Port", 4},
        {"OpenDevice", 5},   {"ByteOutput", 6}, {"BitOutput", 7}, {"ByteReadBack", 8},
        {"BitReadBack", 9},  {"AboutBox", -552}};
    for (const auto& [name, id] : ids) {
        EXPECT_EQ(control->idOfName(name).value(), id) << name;
    }
    std::vector<std::string> order;
    for (const auto& entry : CRastowCtrl::table().persisted()) {
        order.push_back(entry.name);
    }
    EXPECT_THAT(order, ElementsAre("DeviceNumber", "Port", "Bit", "ErrorCode"));
}

TEST_F(RastowClass, IsCreatedByItsProgrammaticIdentifier) {
    com::ClassRegistry registry;
    ASSERT_TRUE(rastow::library().registerServer(registry));
    auto control = registry.create("RASTOW.RastowCtrl.1");
    ASSERT_TRUE(control);
    EXPECT_TRUE(registry.create("RASTOWLib.Rastow"));
    EXPECT_NE(dynamic_cast<CRastowCtrl*>(control->get()), nullptr);
    ASSERT_TRUE((*control)->call("AboutBox"));
    EXPECT_EQ(messages.messages().back().caption, "About Rastow Control");
}

}  // namespace
}  // namespace brennix::daq::testing
