#include <dlfcn.h>
#include <gtest/gtest.h>

#include "drivers/dorv/dorv.h"
#include "drivers/dorv/dorv_library.h"
#include "tests/drivers/common/driver_fixture.h"

namespace brennix::drivers::testing {
namespace {

constexpr std::uint32_t kStart = 0x80FF200C;
constexpr std::uint32_t kStop = 0x80FF2010;
constexpr std::uint32_t kStatus = 0x80FF2014;

using DorvCards = DriverTest<dorv::reload>;

TEST(DorvAttach, WithoutItsAcquisitionDeviceShowsAMessageAndFails) {
    expectFatalAttachWithout<dorv::reload>("\\\\.\\Braxon",
                                           "Couldn't open Braxon interrupt device\n");
}

TEST(DorvAttach, DoesNotNeedTheOtherBoardsDevice) {
    auto bus = std::make_shared<FakeBus>();
    bus->setAvailable("\\\\.\\BraxVexa", false);
    hw::ScopedBackend scope(bus);
    EXPECT_EQ(dorv::reload(), 1);
}

TEST(DorvExports, TheInterruptOperationsCarryNoPrefix) {
    auto table = dorv::exports();
    ASSERT_EQ(table.size(), 11U);
    EXPECT_EQ(findExport(table, 1)->name, "W_Dorv_Initial");
    EXPECT_EQ(findExport(table, 6)->name, "W_Dorv_DA");
    EXPECT_EQ(findExport(table, 7)->name, "W_Dorv_INT_Start");
    EXPECT_EQ(findExport(table, 9)->name, "W_Dorv_INT_Stop");
    EXPECT_EQ(findExport(table, 10)->name, "Set_INT_Op");
    EXPECT_EQ(findExport(table, 11)->name, "Reset_INT_Op");
    for (const auto& entry : table) {
        void* byName = dlsym(RTLD_DEFAULT, std::string(entry.name).c_str());
        EXPECT_EQ(reinterpret_cast<AnyFunction>(byName), entry.address) << entry.name;
    }
}

TEST_F(DorvCards, EightSlotsFromCard0To7) {
    EXPECT_EQ(W_Dorv_Initial(7, 0x200, 3), 0);
    EXPECT_EQ(W_Dorv_Initial(8, 0x220, 4), 2);
    EXPECT_EQ(W_Dorv_Switch_Card_No(8), 2);
    EXPECT_EQ(W_Dorv_Switch_Card_No(6), 1);
    EXPECT_EQ(W_Dorv_Initial(6, 0x201, 4), 4);
    EXPECT_EQ(W_Dorv_Switch_Card_No(7), 0);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(DorvCards, ABaseInUseByAnInitializedCardIsRefused) {
    ASSERT_EQ(W_Dorv_Initial(1, 0x300, 5), 0);
    EXPECT_EQ(W_Dorv_Initial(3, 0x300, 6), 6);
    ASSERT_EQ(W_Dorv_Initial(1, 0x1FE, 5), 4);
    EXPECT_EQ(W_Dorv_Initial(3, 0x300, 6), 0);
    // Card 1 keeps its level though it is no longer initialized.
    EXPECT_EQ(W_Dorv_Initial(4, 0x320, 5), 7);
}

TEST_F(DorvCards, ALevelRecordedInAnyOtherSlotIsRefused) {
    EXPECT_EQ(W_Dorv_Initial(0, 0x300, 0), 7);
    EXPECT_EQ(W_Dorv_Initial(0, 0x300, 5), 0);
    EXPECT_EQ(W_Dorv_Initial(1, 0x320, 5), 7);
    // Re-initializing a card with its own level is no conflict.
    EXPECT_EQ(W_Dorv_Initial(0, 0x300, 5), 0);
}

TEST_F(DorvCards, SlotsAreComparedInOrder) {
    ASSERT_EQ(W_Dorv_Initial(0, 0x300, 5), 0);
    ASSERT_EQ(W_Dorv_Initial(1, 0x320, 6), 0);
    // Slot 0 shares the level, slot 1 the base: slot 0 is seen first.
    EXPECT_EQ(W_Dorv_Initial(4, 0x320, 5), 7);
    // Slot 0 shares the base, slot 1 the level.
    EXPECT_EQ(W_Dorv_Initial(4, 0x300, 6), 6);
}

class Dorv : public DriverTest<dorv::reload> {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        ASSERT_EQ(W_Dorv_Initial(0, kBase, 5), 0);
        bus->clear();
    }
    std::vector<std::int32_t> values = std::vector<std::int32_t>(16);
};

TEST_F(Dorv, AnalogOutputsTakeTheHighByteFirst) {
    EXPECT_EQ(W_Dorv_DA(2, 0x0123), 0);
    EXPECT_EQ(W_Dorv_DA(5, 0xFFFF), 0);
    EXPECT_EQ(W_Dorv_DA(6, 1), 11);
    EXPECT_EQ(W_Dorv_DA(-1, 1), 11);
    EXPECT_EQ(journal(), (Lines{"W+4=01", "W+5=23", "W+10=FF", "W+11=FF"}));
}

TEST_F(Dorv, DigitalPortsSitAtTheTopOfTheWindow) {
    bus->holdRead(at(14), 0x02);
    std::uint8_t byte = 0;
    std::int32_t bit = -1;
    EXPECT_EQ(W_Dorv_DI(0, &byte), 0);
    EXPECT_EQ(W_Dorv_DI(1, &byte), 0);
    EXPECT_EQ(byte, 0x02);
    EXPECT_EQ(W_Dorv_DI_Channel(9, &bit), 0);
    EXPECT_EQ(bit, 1);
    EXPECT_EQ(W_Dorv_DO(1, 0x1C3), 0);
    EXPECT_EQ(W_Dorv_DO(0, 0x01), 0);
    EXPECT_EQ(W_Dorv_DO(2, 0x01), 8);
    EXPECT_EQ(journal(), (Lines{"R+15", "R+14", "R+14", "W+12=C3", "W+13=01"}));
}

TEST_F(Dorv, InterruptStartSendsTheCountTheFlagsAndTheBase) {
    ASSERT_EQ(W_Dorv_INT_Start(16), 0);
    auto record = bus->controls(kStart).at(0).input;
    ASSERT_EQ(record.size(), 64U);
    EXPECT_EQ(fieldAt(record, 4), 16U);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(fieldAt(record, 32 + 4 * k), 1U);
    }
    EXPECT_EQ(fieldAt(record, 60), kBase);
    EXPECT_EQ(journal(), (Lines{"C 80FF200C"}));
}

TEST_F(Dorv, StatusWritesOnlyTheCount) {
    bus->onControl(kStatus, [](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 0, 321);
        return true;
    });
    std::int32_t first = -9;
    std::int32_t count = -1;
    ASSERT_EQ(W_Dorv_INT_Status(&first, &count), 0);
    EXPECT_EQ(first, -9);
    EXPECT_EQ(count, 321);
    EXPECT_EQ(W_Dorv_INT_Status(nullptr, &count), 0);
}

TEST_F(Dorv, StopWithoutAStartIsRefused) {
    std::int32_t count = 4;
    EXPECT_EQ(W_Dorv_INT_Stop(&count), 30);
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(Dorv, OperationsTakeSlotsInOrderWithTheirOwnControlCodes) {
    ASSERT_EQ(W_Dorv_INT_Start(16), 0);
    ASSERT_EQ(Set_INT_Op(3, values.data()), 0);
    ASSERT_EQ(Set_INT_Op(0, values.data()), 0);
    auto slot0 = bus->controls(0x80FF2018).at(0);
    EXPECT_EQ(slot0.inPointer, values.data());
    EXPECT_EQ(slot0.input.size(), 64U);
    EXPECT_EQ(bus->controls(0x80FF201C).size(), 1U);
    ASSERT_EQ(W_Dorv_INT_Start(16), 0);
    auto record = bus->controls(kStart).back().input;
    EXPECT_EQ(fieldAt(record, 8), kBase + 6U);
    EXPECT_EQ(fieldAt(record, 12), kBase + 0U);
}

TEST_F(Dorv, BeforeAnyStartOperationsSendNoBytes) {
    ASSERT_EQ(Set_INT_Op(1, values.data()), 0);
    EXPECT_TRUE(bus->controls(0x80FF2018).at(0).input.empty());
}

TEST_F(Dorv, ASeventhOperationIsRefusedAndTheTableKept) {
    ASSERT_EQ(W_Dorv_INT_Start(2), 0);
    for (std::int32_t channel = 0; channel < 6; ++channel) {
        ASSERT_EQ(Set_INT_Op(channel, values.data()), 0);
    }
    bus->clear();
    EXPECT_EQ(Set_INT_Op(2, values.data()), 11);
    EXPECT_TRUE(bus->events().empty());
    ASSERT_EQ(W_Dorv_INT_Start(2), 0);
    auto record = bus->controls(kStart).back().input;
    for (std::uint32_t k = 0; k < 6; ++k) {
        EXPECT_EQ(fieldAt(record, 8 + 4 * k), kBase + 2 * k);
    }
}

TEST_F(Dorv, AChannelOutside0To5IsRefused) {
    EXPECT_EQ(Set_INT_Op(6, values.data()), 11);
    EXPECT_EQ(Set_INT_Op(-1, values.data()), 11);
    EXPECT_TRUE(bus->events().empty());
    ASSERT_EQ(Set_INT_Op(4, values.data()), 0);
    EXPECT_EQ(bus->controls(0x80FF2018).size(), 1U);
}

TEST_F(Dorv, StopFreesEverySlotAndResetDropsTheTable) {
    ASSERT_EQ(W_Dorv_INT_Start(1), 0);
    ASSERT_EQ(Set_INT_Op(1, values.data()), 0);
    std::int32_t count = -1;
    ASSERT_EQ(W_Dorv_INT_Stop(&count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(bus->controls(kStop).size(), 1U);
    ASSERT_EQ(Set_INT_Op(2, values.data()), 0);
    EXPECT_EQ(bus->controls(0x80FF2018).size(), 2U);
    ASSERT_EQ(Set_INT_Op(3, values.data()), 0);
    EXPECT_EQ(bus->controls(0x80FF201C).size(), 1U);
    EXPECT_EQ(Reset_INT_Op(), 0);
    ASSERT_EQ(Set_INT_Op(4, values.data()), 0);
    EXPECT_EQ(bus->controls(0x80FF2018).size(), 3U);
}

TEST_F(Dorv, OperationsNeedAnInitializedCardButResetDoesNot) {
    ASSERT_EQ(W_Dorv_Initial(0, 0x201, 5), 4);
    EXPECT_EQ(Set_INT_Op(1, values.data()), 1);
    std::int32_t count = 0;
    EXPECT_EQ(W_Dorv_INT_Status(nullptr, &count), 1);
    EXPECT_EQ(W_Dorv_INT_Stop(&count), 1);
    EXPECT_EQ(Reset_INT_Op(), 0);
    EXPECT_EQ(W_Dorv_INT_Start(3), 0);
    EXPECT_EQ(W_Dorv_DA(0, 1), 1);
}

}  // namespace
}  // namespace brennix::drivers::testing
