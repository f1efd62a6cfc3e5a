// An output control and an input control on one simulated Vexa board whose
// outputs are wired to its inputs.

#include <gtest/gtest.h>

#include "daq/quillet/quillet_ctrl.h"
#include "daq/rastow/rastow_ctrl.h"
#include "drivers/vexa/vexa_library.h"
#include "tests/daq/pellam/hardware_fixture.h"

namespace brennix::daq::testing {
namespace {

class DigitalLoop : public HardwareControlTest {};

TEST_F(DigitalLoop, WhatTheOutputControlWritesTheInputControlReads) {
    ASSERT_EQ(drivers::vexa::reload(), 1);
    machine.simulator().boardAt(kVexaBase)->setDigitalLoopback(true);
    auto output = openControl<rastow::CRastowCtrl>("000@Brax-VexaL", kVexaBase);
    auto input = com::createControl<quillet::CQuilletCtrl>();
    ASSERT_TRUE(input->put("DeviceNumber", com::Variant(std::int32_t{0})));
    ASSERT_TRUE(input->OpenDevice());

    for (int value : {0xA5, 0x3C, 0x00, 0xFF}) {
        ASSERT_TRUE(output->ByteOutput(static_cast<std::int16_t>(value)));
        EXPECT_EQ(input->ByteInput(), value);
        for (std::int16_t bit = 0; bit < 8; ++bit) {
            ASSERT_TRUE(input->put("Bit", com::Variant(bit)));
            EXPECT_EQ(input->BitInput(), ((value >> bit) & 1) != 0) << value << " bit " << bit;
        }
    }
    EXPECT_EQ(input->errorCode(), 0);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace brennix::daq::testing
