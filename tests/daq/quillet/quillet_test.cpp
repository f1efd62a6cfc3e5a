#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "daq/quillet/quillet_ctrl.h"
#include "daq/quillet/quillet_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/class_registry.h"
#include "tests/daq/pellam/hardware_fixture.h"

namespace brennix::daq::testing {
namespace {

using outside::Library;
using quillet::CQuilletCtrl;
using ::testing::ElementsAre;

class DigitalInput : public HardwareControlTest {
  protected:
    void SetUp() override { ASSERT_EQ(drivers::vexa::reload(), 1); }

    std::shared_ptr<CQuilletCtrl> open(const std::string& key, std::uint32_t base = 0x240) {
        return openControl<CQuilletCtrl>(key, base, 5);
    }
    static void setPort(CQuilletCtrl& control, std::int16_t port) {
        ASSERT_TRUE(control.put("Port", com::Variant(port)));
    }
    static void setBit(CQuilletCtrl& control, std::int16_t bit) {
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

TEST_F(DigitalInput, MavoPortCIsReadAsTwoHalvesOfItsChip) {
    auto control = open("000@Brax-Mavo");
    ASSERT_TRUE(outsideBoard(Library::Mavo).setInput(0x103, 0x0A));
    ASSERT_TRUE(outsideBoard(Library::Mavo).setInput(0x104, 0x05));
    setPort(*control, 5);
    EXPECT_EQ(control->ByteInput(), 0xA5);
    EXPECT_THAT(argumentsOfEach("W_Mavo_DI"), ElementsAre(ElementsAre(0x103), ElementsAre(0x104)));
}

TEST_F(DigitalInput, MavoPortsAAndBUseTheirChipCode) {
    auto control = open("000@Brax-Mavo");
    ASSERT_TRUE(outsideBoard(Library::Mavo).setInput(0x201, 0x3C));
    setPort(*control, 7);  // chip 2, port B
    EXPECT_EQ(control->ByteInput(), 0x3C);
    setPort(*control, 9);  // chip 3, port A
    (void)control->ByteInput();
    EXPECT_THAT(argumentsOfEach("W_Mavo_DI"), ElementsAre(ElementsAre(0x201), ElementsAre(0x300)));
}

TEST_F(DigitalInput, AFailedHalfOfPortCIsReported) {
    auto control = open("000@Brax-Mavo");
    setPort(*control, 2);
    ASSERT_TRUE(outside::simulation().failNext("W_Mavo_DI", 8));
    EXPECT_EQ(control->ByteInput(), 0);
    EXPECT_EQ(control->errorCode(), 8);
    EXPECT_THAT(texts(), ElementsAre("PORTC high 4 bit input error", "Read data error"));
    // Only the high half was asked for.
    EXPECT_EQ(calls().callsTo("W_Mavo_DI").size(), 1U);
}

TEST_F(DigitalInput, NumberedPortsArePassedAsTheyAre) {
    struct Case {
        const char* key;
        Library library;
        const char* function;
    };
    const Case cases[] = {{"000@Brax-Kilp", Library::Kilp, "W_Kilp_DI_8"},
                          {"001@Brax-Rulk", Library::Rulk, "W_Rulk_DI"},
                          {"002@Brax-Nilb", Library::Nilb, "W_Nilb_DI"},
                          {"003@Brax-Pruv", Library::Pruv, "W_Pruv_DI"}};
    std::uint32_t base = 0x240;
    for (const auto& c : cases) {
        auto control = open(c.key, base += 0x10);
        ASSERT_TRUE(outsideBoard(c.library).setInput(2, 0x96));
        setPort(*control, 2);
        EXPECT_EQ(control->ByteInput(), 0x96) << c.function;
        EXPECT_THAT(argumentsOf(c.function), ElementsAre(2)) << c.function;
    }
}

TEST_F(DigitalInput, TepaHasOnePortAndIsPassedNoNumber) {
    auto control = open("000@Brax-Tepa");
    ASSERT_TRUE(outsideBoard(Library::Tepa).setInput(0, 0x42));
    setPort(*control, 3);
    EXPECT_EQ(control->ByteInput(), 0x42);
    EXPECT_TRUE(argumentsOf("W_Tepa_DI").empty());
    EXPECT_EQ(calls().callsTo("W_Tepa_DI").size(), 1U);
}

TEST_F(DigitalInput, SixteenBitWordsShowAsPortsZeroAndOne) {
    auto tepab = open("000@Brax-Tepa/16");
    ASSERT_TRUE(outsideBoard(Library::TepaB).setInput(0, 0xBEEF));
    setPort(*tepab, 1);
    EXPECT_EQ(tepab->ByteInput(), 0xBE);
    setPort(*tepab, 0);
    EXPECT_EQ(tepab->ByteInput(), 0xEF);

    auto fenq = open("001@Brax-Fenq", 0x260);
    ASSERT_TRUE(outsideBoard(Library::Fenq).setInput(0, 0x1234));
    setPort(*fenq, 0);
    EXPECT_EQ(fenq->ByteInput(), 0x34);
    setPort(*fenq, 1);
    EXPECT_EQ(fenq->ByteInput(), 0x12);
}

TEST_F(DigitalInput, OtherPortsOfASixteenBitWordAreRefused) {
    auto control = open("000@Brax-Tepa/16");
    setPort(*control, 2);
    EXPECT_EQ(control->ByteInput(), 0);
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Port number error", "Read data error"));
    EXPECT_TRUE(calls().callsTo("W_TepaB_DI").empty());
}

TEST_F(DigitalInput, UbrixPortsAreNumberedFromOneAndItsResultsIgnored) {
    auto control = open("000@ISA-Ubrix", 0);
    ASSERT_TRUE(outsideBoard(Library::Ubrix).setInput(1, 0x81));
    setPort(*control, 0);
    EXPECT_EQ(control->ByteInput(), 0x81);
    EXPECT_THAT(argumentsOf("_ubri_DI"), ElementsAre(1));
    ASSERT_TRUE(outside::simulation().failNext("_ubri_DI", 8));
    (void)control->ByteInput();
    EXPECT_EQ(control->errorCode(), 0);
    EXPECT_TRUE(texts().empty());
}

TEST_F(DigitalInput, BitInputTestsTheChosenBit) {
    auto control = open("000@Brax-Kilp");
    ASSERT_TRUE(outsideBoard(Library::Kilp).setInput(0, 0x08));
    setBit(*control, 3);
    EXPECT_TRUE(control->call("BitInput")->toBool().value());
    setBit(*control, 2);
    EXPECT_FALSE(control->call("BitInput")->toBool().value());
}

TEST_F(DigitalInput, AVexaPortIsReadThroughItsDriver) {
    auto control = open("000@Brax-VexaL", kVexaBase);
    machine.simulator().boardAt(kVexaBase)->setDigitalLoopback(false);
    machine.simulator().boardAt(kVexaBase)->setDigitalInput(1, 0x5A);
    setPort(*control, 1);
    EXPECT_EQ(control->ByteInput(), 0x5A);
    EXPECT_EQ(control->errorCode(), 0);
    EXPECT_THAT(texts(), ElementsAre());
}

class DigitalInputRefusals : public DigitalInput {};

TEST_F(DigitalInputRefusals, PortAndBitOutsideTheirRangesAreRefused) {
    auto control = com::createControl<CQuilletCtrl>();
    setPort(*control, 17);
    setPort(*control, 18);
    EXPECT_EQ(control->port(), 17);
    EXPECT_EQ(control->errorCode(), -1);
    ASSERT_TRUE(control->put("ErrorCode", com::Variant(std::int32_t{0})));
    setBit(*control, 7);
    setBit(*control, 8);
    setBit(*control, -1);
    EXPECT_EQ(control->bit(), 7);
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Port must between 0 to 17", "Bit must between 0 to 7",
                                     "Bit must between 0 to 7"));
}

TEST_F(DigitalInputRefusals, ABoardOutsideTheColumnIsRefusedAtOpen) {
    addDevice("000@Brax-Quem", 0x240);
    auto control = com::createControl<CQuilletCtrl>();
    ASSERT_TRUE(control->put("DeviceNumber", com::Variant(std::int32_t{0})));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Invalid board type", "Initialize device failed."));
}

TEST_F(DigitalInputRefusals, ALongDeviceNumberHasTheQuilletWording) {
    auto control = com::createControl<CQuilletCtrl>();
    ASSERT_TRUE(control->put("DeviceNumber", com::Variant(std::int32_t{1000})));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_THAT(texts(), ElementsAre("Device number length can't larger than 3",
                                     "Read device initialize parameters from Registry error"));
}

class QuilletClass : public DigitalInput {};

TEST_F(QuilletClass, MembersCarryTheirNumbersAndPersistInOrder) {
    auto control = com::createControl<CQuilletCtrl>();
    const std::vector<std::pair<std::string, com::DispId>> ids{
        {"DeviceNumber", 1}, {"ErrorCode", 2}, {"Port", 3},      {"Bit", 4},
        {"OpenDevice", 5},   {"BitInput", 6},  {"ByteInput", 7}, {"AboutBox", -552}};
    for (const auto& [name, id] : ids) {
        EXPECT_EQ(control->idOfName(name).value(), id) << name;
    }
    std::vector<std::string> order;
    for (const auto& entry : CQuilletCtrl::table().persisted()) {
        order.push_back(entry.name);
    }
    EXPECT_THAT(order, ElementsAre("DeviceNumber", "Port", "Bit", "ErrorCode"));
}

TEST_F(QuilletClass, IsCreatedByItsProgrammaticIdentifier) {
    com::ClassRegistry registry;
    ASSERT_TRUE(quillet::library().registerServer(registry));
    auto control = registry.create("QUILLET.QuilletCtrl.1");
    ASSERT_TRUE(control);
    EXPECT_TRUE(registry.create("QUILLETLib.Quillet"));
    EXPECT_NE(dynamic_cast<CQuilletCtrl*>(control->get()), nullptr);
    ASSERT_TRUE((*control)->call("AboutBox"));
    EXPECT_EQ(messages.messages().back().caption, "About Quillet Control");
}

}  // namespace
}  // namespace brennix::daq::testing
