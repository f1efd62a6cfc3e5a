#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "daq/orsino/design_bitmap.h"
#include "daq/orsino/mode_code.h"
#include "daq/orsino/orsino_library.h"
#include "platform/com/extent.h"
#include "platform/com/property_exchange.h"
#include "platform/gfx/recording_canvas.h"
#include "tests/daq/orsino/orsino_fixture.h"

namespace brennix::daq::orsino::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ControlInterface : public OrsinoTest {};

TEST_F(ControlInterface, MembersCarryTheirPositionsAsDispatchIds) {
    const char* names[] = {"DeviceNumber", "TriggerMode",  "OverallInputRange", "EventEnabled",
                           "InputMode",    "AdGain",       "ErrorCode",         "NumberOfSamples",
                           "SampleRate",   "TransferMode", "StartChannel",      "OpenDevice",
                           "RawInput",     "AcquireStart", "AcquireStop"};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(control->idOfName(names[i]).valueOr(0), i + 1) << names[i];
    }
    EXPECT_EQ(control->idOfName("aboutbox").valueOr(0), -552);
    EXPECT_FALSE(control->idOfName("StopChannel").ok());
    const auto& table = CORSINOCtrl::table();
    EXPECT_EQ(table.findEvent("OnEventRaw")->id, 1);
    EXPECT_EQ(table.findEvent("OnTerminated")->id, 2);
    EXPECT_EQ(table.findEvent("OnEventRaw")->params.size(), 2U);
}

TEST_F(ControlInterface, EnumerationsNameTheirValuesAndLabels) {
    const auto& table = CORSINOCtrl::table();
    auto label = [&](const char* property, std::int16_t value) {
        const auto* e = table.find(property)->enumeration.get();
        const auto* v = e != nullptr ? e->find(value) : nullptr;
        return v != nullptr ? e->name + " " + v->name + " " + v->label : std::string("none");
    };
    EXPECT_EQ(label("TriggerMode", 2), "enumTrigMode adTimerTrig Timer triggering");
    EXPECT_EQ(label("OverallInputRange", 0), "enumOverallInputRange AD_B_5_V Bipolar +/-  5V");
    EXPECT_EQ(label("OverallInputRange", 6),
              "enumOverallInputRange AD_U_2_5_V Unipolar  0V -  2.5V");
    EXPECT_EQ(label("InputMode", 1), "enumInputMode adDifferential Differential mode");
    EXPECT_EQ(label("AdGain", 4), "enumAdGain AD_GAIN_16 AD_GAIN_16");
    EXPECT_EQ(label("TransferMode", 1), "enumTransferMode adINITTransfer Interrupt Transfer");
}

TEST_F(ControlInterface, ErrorCodeCannotBeSet) {
    EXPECT_EQ(control->put("ErrorCode", std::int32_t{5}).error(), com::Error::SetNotSupported);
}

TEST_F(ControlInterface, ThePropertySetIsSavedInItsOrderWithTheHiddenStopChannel) {
    std::vector<std::string> names;
    for (const auto& entry : CORSINOCtrl::table().persisted()) {
        names.push_back(entry.name);
    }
    EXPECT_THAT(names, ElementsAre("TriggerMode", "TransferMode", "StartChannel", "StopChannel",
                                   "AdGain", "InputMode", "OverallInputRange", "DeviceNumber",
                                   "NumberOfSamples", "SampleRate", "ErrorCode", "EventEnabled"));
    std::string document = com::PropertyExchange::save(*control);
    std::size_t last = 0;
    for (const auto& name : names) {
        std::size_t at = document.find("\"" + name + "\"");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_GT(at, last) << name;
        last = at;
    }
    EXPECT_NE(document.find("\"version\": \"1.0\""), std::string::npos);
}

TEST_F(ControlInterface, RefusedValuesLeaveThePropertyAsItWas) {
    set("SampleRate", 999.9);
    set("SampleRate", std::nan(""));
    EXPECT_EQ(control->get("SampleRate")->toDouble().valueOr(0), 1000.0);
    set("SampleRate", 1000.0);
    set("NumberOfSamples", std::int32_t{0});
    EXPECT_EQ(getInt("NumberOfSamples"), 1);
    set("StartChannel", std::int16_t{-1});
    EXPECT_EQ(getInt("StartChannel"), 0);
    EXPECT_EQ(errorCode(), -1);
    site.ambientProperties().userMode = true;
    set("NumberOfSamples", std::int32_t{10});
    EXPECT_EQ(getInt("NumberOfSamples"), 1);
    EXPECT_THAT(
        messages.texts(),
        ElementsAre("SampleRate must larger than 1000", "SampleRate must larger than 1000",
                    "NumberOfSamples must larger than zero", "StartChannel must larger than 0",
                    "Don't set NumberOfSamples when it running"));
}

TEST_F(ControlInterface, TheModeCodeFollowsTriggerAndTransferOnceTheBoardIsKnown) {
    set("TriggerMode", std::int16_t{2});
    EXPECT_EQ(control->modeCode(), 0);  // no board known yet
    set("DeviceNumber", kVexa);
    set("TriggerMode", std::int16_t{2});
    EXPECT_EQ(control->modeCode(), 7);
    set("TransferMode", std::int16_t{1});
    EXPECT_EQ(control->modeCode(), 6);
    set("DeviceNumber", kZolt);
    set("TransferMode", std::int16_t{2});
    EXPECT_EQ(control->modeCode(), 6);  // Zolt leaves it
}

TEST_F(ControlInterface, FenqRefusesInterruptAndSomeDmaSettings) {
    set("DeviceNumber", kFenq);
    set("TransferMode", std::int16_t{1});
    EXPECT_EQ(getInt("TransferMode"), 0);
    set("TransferMode", std::int16_t{2});
    EXPECT_EQ(getInt("TransferMode"), 2);
    set("TriggerMode", std::int16_t{2});
    EXPECT_EQ(getInt("TriggerMode"), 1);
    EXPECT_EQ(control->modeCode(), 0);
    EXPECT_THAT(messages.texts(), ElementsAre("Not support INT transfer in this controls",
                                              "Not support DMA transfer in this controls"));
}

TEST_F(ControlInterface, OpenDeviceRechecksAStoredFenqTransferMode) {
    set("TransferMode", std::int16_t{1});
    set("DeviceNumber", kFenq);
    EXPECT_TRUE(control->OpenDevice());
    EXPECT_EQ(getInt("TriggerMode"), 1);
    EXPECT_EQ(getInt("TransferMode"), 0);
    EXPECT_THAT(messages.texts(), ElementsAre("Not support INT transfer in this controls",
                                              "Not support INT transfer in this controls"));
}

TEST_F(ControlInterface, TheAboutBoxNamesTheControl) {
    ASSERT_TRUE(control->call("AboutBox").ok());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].caption, "About ORSINO Control");
    EXPECT_EQ(messages.messages()[0].text, "ORSINO Control, Version 1.0");
}

TEST_F(ControlInterface, TheWindowStaysThirtyTwoPixelsSquareAndShowsTheBitmap) {
    gfx::Size accepted = control->setExtent({5000, 1200});
    EXPECT_EQ(com::hiMetricToPixels(accepted, 96), (gfx::Size{32, 32}));
    gfx::RecordingCanvas canvas({200, 100});
    control->draw(canvas, {10, 20, 200, 100});
    auto copies = canvas.callsOf(gfx::CallKind::BlockCopy);
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_EQ(copies[0].rect, (gfx::Rect{10, 20, 42, 52}));
    const auto& pixels = copies[0].source;
    ASSERT_EQ(pixels.size(), 32U * 32U);
    const gfx::Bitmap& bitmap = designBitmap();
    for (const auto& pixel : pixels) {
        ASSERT_EQ(pixel.kind, gfx::CallKind::SetPixel);
        ASSERT_EQ(pixel.color, bitmap.colorAt(pixel.points[0].x, pixel.points[0].y));
    }
}

using ModeCase = std::tuple<int, int, int, int, int, int>;  // T, X, Senu, Vexa/Olmi, Ubrix, Fenq
constexpr int kInt = -1;
constexpr int kDma = -2;

class ModeCodeTable : public ::testing::TestWithParam<ModeCase> {};

int expected(std::optional<ModeCode> mode) {
    if (!mode) {
        return -99;
    }
    if (mode->refusal == ModeRefusal::Interrupt) {
        return kInt;
    }
    return mode->refusal == ModeRefusal::Dma ? kDma : mode->code;
}

TEST_P(ModeCodeTable, EachBoardGetsItsCode) {
    auto [t, x, senu, vexa, ubrix, fenq] = GetParam();
    auto board = [](std::string_view name) {
        const BoardAdapter* adapter = findAdapter(boardAdapters(), name);
        EXPECT_NE(adapter, nullptr) << name;
        return adapter;
    };
    EXPECT_EQ(expected(modeCodeFor(board("Brax-Senu"), t, x)), senu);
    EXPECT_EQ(expected(modeCodeFor(board("Brax-VexaL"), t, x)), vexa);
    EXPECT_EQ(expected(modeCodeFor(board("Brax-Olmi"), t, x)), vexa);
    EXPECT_EQ(expected(modeCodeFor(board("ISA-Ubrix"), t, x)), ubrix);
    EXPECT_EQ(expected(modeCodeFor(board("Brax-Fenq"), t, x)), fenq);
    EXPECT_EQ(modeCodeFor(board("Brax-Zolt"), t, x), std::nullopt);
    EXPECT_EQ(modeCodeFor(nullptr, t, x), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    TriggerAndTransfer, ModeCodeTable,
    ::testing::Values(ModeCase{0, 0, 2, 0, 0, 4}, ModeCase{1, 0, 0, 1, 1, 0},
                      ModeCase{2, 0, 4, 7, 0, 0}, ModeCase{0, 1, 3, 4, 4, kInt},
                      ModeCase{1, 1, 1, 5, 5, kInt}, ModeCase{2, 1, 6, 6, 6, kInt},
                      ModeCase{0, 2, 0, 3, 3, kDma}, ModeCase{1, 2, 0, 7, 0, 0},
                      ModeCase{2, 2, 0, 2, 2, kDma}, ModeCase{3, 0, 0, 7, 0, 0},
                      ModeCase{1, -1, 0, 7, 0, 0}));

}  // namespace
}  // namespace brennix::daq::orsino::testing
