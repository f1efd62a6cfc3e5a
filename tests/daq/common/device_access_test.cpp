#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "daq/common/board_device.h"
#include "daq/common/device_store.h"
#include "platform/com/message_box.h"
#include "tests/daq/common/temporary_store.h"

namespace brennix::daq::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Initial calls as the fake drivers received them.
struct InitialCall {
    std::string driver;
    std::vector<std::int32_t> arguments;
    bool operator==(const InitialCall&) const = default;
};

std::vector<InitialCall>& calls() {
    static std::vector<InitialCall> log;
    return log;
}
std::int32_t& nextResult() {
    static std::int32_t result = 0;
    return result;
}

std::int32_t fakeVexa(std::int32_t card, std::int32_t base) {
    calls().push_back({"Vexa", {card, base}});
    return nextResult();
}
std::int32_t fakeOlmi(std::int32_t card, std::int32_t base) {
    calls().push_back({"Olmi", {card, base}});
    return nextResult();
}
std::int16_t fakeFenq(std::int32_t card, std::int32_t base) {
    calls().push_back({"Fenq", {card, base}});
    return static_cast<std::int16_t>(nextResult());
}
std::int32_t fakeUbrix() {
    calls().push_back({"Ubrix", {}});
    return 99;
}
std::int32_t fakeDorv(std::int32_t card, std::int32_t base, std::int32_t irq) {
    calls().push_back({"Dorv", {card, base, irq}});
    return nextResult();
}

// Adapters with nothing but their Initial; which control accepts which
// board still comes from the catalogue.
const std::array kAdapters{
    BoardAdapter{"Brax-VexaL", "Vexa", InitialCardBase{fakeVexa}},
    BoardAdapter{"Brax-Olmi", "Olmi", InitialCardBase{fakeOlmi}},
    BoardAdapter{"Brax-Fenq", "Fenq", InitialCardBaseShort{fakeFenq}},
    BoardAdapter{"ISA-Ubrix", "Ubrix", InitialNoArguments{fakeUbrix}},
    BoardAdapter{"Brax-Dorv", "Dorv", InitialCardBaseIrq{fakeDorv}},
};

class DeviceLookup : public ::testing::Test {
  protected:
    void SetUp() override {
        calls().clear();
        nextResult() = 0;
        ASSERT_TRUE(store.addDevice("000@Brax-VexaL", {{"BaseAddress1", 0x300}}));
        ASSERT_TRUE(store.addDevice("001@Brax-Olmi", {{"BaseAddress1", 0x220}}));
        ASSERT_TRUE(store.addDevice("002@Brax-VexaL", {{"BaseAddress1", 0x310}}));
    }

    DeviceAccess access(ControlKind kind = ControlKind::Orsino) const {
        return DeviceAccess(profileOf(kind), kAdapters);
    }

    TemporaryStore store;
    com::MessageRecorder messages;
};

TEST_F(DeviceLookup, TheSecondVexaDeviceIsCardOne) {
    auto device = access();
    device.ResolveBoardName(2);
    EXPECT_EQ(device.device().m_boardName, "Brax-VexaL");
    EXPECT_EQ(device.deviceKey(), "002@Brax-VexaL");
    EXPECT_EQ(device.GetCardNumber(), 1);
    device.ResolveBoardName(1);
    EXPECT_EQ(device.device().m_boardName, "Brax-Olmi");
    EXPECT_EQ(device.GetCardNumber(), 0);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(DeviceLookup, OpenDeviceCallsInitialWithCardAndBase) {
    auto device = access();
    std::int32_t errorCode = 77;
    ASSERT_TRUE(device.OpenDevice(2, errorCode));
    EXPECT_EQ(errorCode, 0);
    EXPECT_TRUE(device.opened());
    ASSERT_TRUE(device.OpenDevice(1, errorCode));
    EXPECT_THAT(calls(),
                ElementsAre(InitialCall{"Vexa", {1, 0x310}}, InitialCall{"Olmi", {0, 0x220}}));
}

TEST_F(DeviceLookup, AnAbsentNumberKeepsThePreviousBoardNameAndFailsToOpen) {
    auto device = access();
    std::int32_t errorCode = 0;
    ASSERT_TRUE(device.OpenDevice(1, errorCode));
    EXPECT_FALSE(device.OpenDevice(5, errorCode));
    EXPECT_EQ(device.device().m_boardName, "Brax-Olmi");
    EXPECT_EQ(device.device().m_deviceNumber, 5);
    EXPECT_EQ(errorCode, -1);
    EXPECT_THAT(messages.texts(),
                ElementsAre("Error: Can't open correlative hKEY!",
                            "Read device initialize parameters from Registry error"));
    EXPECT_EQ(calls().size(), 1U);
}

TEST_F(DeviceLookup, ADeviceNumberOfFourDigitsIsRefusedInEachControlsWords) {
    auto orsino = access(ControlKind::Orsino);
    auto tolvan = access(ControlKind::Tolvan);
    std::int32_t errorCode = 0;
    EXPECT_FALSE(orsino.OpenDevice(1000, errorCode));
    EXPECT_EQ(errorCode, -1);
    EXPECT_FALSE(tolvan.OpenDevice(1000, errorCode));
    EXPECT_THAT(messages.texts(),
                ElementsAre("Device number can't larger than 3",
                            "Read device initialize parameters from Registry error",
                            "Device number length can't larger than 3",
                            "Read device initialize parameters from Registry error"));
}

TEST_F(DeviceLookup, AKeyWithoutValuesGetsTheDefaultsWrittenBack) {
    ASSERT_TRUE(store.addDevice("007@Brax-Olmi"));
    auto device = access();
    device.ResolveBoardName(7);
    DeviceSettings settings{5, 5, 5, 5, 5};
    ASSERT_TRUE(device.ReadDeviceSettings(settings));
    EXPECT_EQ(settings.baseAddress1, 0);
    EXPECT_EQ(settings.baseAddress2, 0);
    EXPECT_EQ(settings.irq1, 0);
    EXPECT_EQ(settings.irq2, 1);
    EXPECT_EQ(settings.dma, 0);
    EXPECT_EQ(store.value("007@Brax-Olmi", "BaseAddress1"), 0U);
    EXPECT_EQ(store.value("007@Brax-Olmi", "IRQ2"), 1U);
    EXPECT_EQ(store.value("007@Brax-Olmi", "DMA"), 0U);
}

TEST_F(DeviceLookup, TheNinthDeviceOfOneBoardHasNoCardNumber) {
    for (int n = 10; n < 17; ++n) {
        ASSERT_TRUE(store.addDevice(std::to_string(n) + "0@Brax-VexaL"));
    }
    auto device = access();
    device.ResolveBoardName(160);
    EXPECT_EQ(device.GetCardNumber(), -1);
    device.ResolveBoardName(150);
    EXPECT_EQ(device.GetCardNumber(), 7);
    std::int32_t errorCode = 0;
    EXPECT_FALSE(device.OpenDevice(160, errorCode));
    EXPECT_EQ(errorCode, -1);
    EXPECT_THAT(messages.texts(), ElementsAre("Initial read CardNumber error"));
}

TEST_F(DeviceLookup, InitialFailuresKeepTheDriversCode) {
    auto orsino = access(ControlKind::Orsino);
    auto tolvan = access(ControlKind::Tolvan);
    std::int32_t errorCode = 0;
    nextResult() = 2;
    EXPECT_FALSE(orsino.OpenDevice(2, errorCode));
    EXPECT_EQ(errorCode, 2);
    nextResult() = 6;
    EXPECT_FALSE(orsino.OpenDevice(2, errorCode));
    EXPECT_EQ(errorCode, 6);
    nextResult() = 4;
    EXPECT_FALSE(orsino.OpenDevice(2, errorCode));
    EXPECT_EQ(errorCode, 4);
    EXPECT_FALSE(tolvan.OpenDevice(2, errorCode));
    EXPECT_FALSE(orsino.opened());
    EXPECT_THAT(messages.texts(),
                ElementsAre("Invalid board number", "Base address conflict with others board",
                            "Initialize device failed.", "Initialize device error."));
}

TEST_F(DeviceLookup, ABoardTheControlDoesNotServeIsRefusedAtInitial) {
    ASSERT_TRUE(store.addDevice("020@Brax-Dorv"));
    ASSERT_TRUE(store.addDevice("021@Brax-Nowhere"));
    auto orsino = access(ControlKind::Orsino);
    std::int32_t errorCode = 0;
    EXPECT_FALSE(orsino.OpenDevice(20, errorCode));
    EXPECT_EQ(errorCode, -1);
    EXPECT_FALSE(orsino.OpenDevice(21, errorCode));
    auto pellam = access(ControlKind::Pellam);
    EXPECT_FALSE(pellam.OpenDevice(21, errorCode));
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(messages.texts(), ElementsAre("Incorrect board type", "Initialize device failed.",
                                              "Incorrect board type", "Initialize device failed.",
                                              "Invalid board number", "Initialize device failed."));
}

TEST_F(DeviceLookup, InitialArgumentFormsFollowTheBoard) {
    ASSERT_TRUE(store.addDevice("030@Brax-Dorv", {{"BaseAddress1", 0x2C0}, {"IRQ1", 10}}));
    ASSERT_TRUE(store.addDevice("031@ISA-Ubrix"));
    ASSERT_TRUE(store.addDevice("032@Brax-Fenq", {{"BaseAddress1", 0x240}}));
    auto pellam = access(ControlKind::Pellam);
    std::int32_t errorCode = 0;
    ASSERT_TRUE(pellam.OpenDevice(30, errorCode));
    EXPECT_EQ(pellam.device().m_irq, 10);
    // Ubrix's own result is not looked at.
    ASSERT_TRUE(pellam.OpenDevice(31, errorCode));
    EXPECT_EQ(errorCode, 0);
    // Fenq's 16-bit result is sign-extended.
    nextResult() = 0xFFFD;
    EXPECT_FALSE(pellam.OpenDevice(32, errorCode));
    EXPECT_EQ(errorCode, -3);
    EXPECT_THAT(calls(), ElementsAre(InitialCall{"Dorv", {0, 0x2C0, 10}}, InitialCall{"Ubrix", {}},
                                     InitialCall{"Fenq", {0, 0x240}}));
    // The analog-input control leaves its interrupt line at 0.
    auto orsino = access(ControlKind::Orsino);
    nextResult() = 0;
    ASSERT_TRUE(orsino.OpenDevice(32, errorCode));
    EXPECT_EQ(orsino.device().m_irq, 0);
}

TEST_F(DeviceLookup, AStoreThatCannotBeReadIsReportedOnTheControlsWindow) {
    store.writeRaw("this is not a registry file\n");
    auto device = access();
    device.ResolveBoardName(2);
    EXPECT_EQ(device.device().m_deviceNumber, 2);
    EXPECT_TRUE(device.device().m_boardName.empty());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, "Error: Can't open correlative hKEY!");
    EXPECT_EQ(messages.messages()[0].owner, com::MessageOwner::Control);
    EXPECT_EQ(device.GetCardNumber(), -1);
    EXPECT_EQ(messages.messages()[1].owner, com::MessageOwner::Application);
}

TEST(DeviceKeyNames, NumbersArePaddedToThreeDigitsAndParsedAsAtolDoes) {
    EXPECT_EQ(deviceKeyName(2, "Brax-VexaL"), "002@Brax-VexaL");
    EXPECT_EQ(deviceKeyName(-1, "Brax-Olmi"), "0-1@Brax-Olmi");
    EXPECT_EQ(deviceKeyName(999, "X"), "999@X");
    EXPECT_EQ(deviceKeyName(-10, "X"), "-10@X");
    EXPECT_EQ(deviceKeyName(1000, "X"), std::nullopt);
    EXPECT_EQ(deviceNumberOf("12@Brax-Olmi"), 12);
    EXPECT_EQ(deviceNumberOf("-1@X"), -1);
    EXPECT_EQ(deviceNumberOf("abc@X"), 0);
    EXPECT_EQ(boardNameOf("002"), "");
}

}  // namespace
}  // namespace brennix::daq::testing
