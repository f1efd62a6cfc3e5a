#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "daq/common/board_catalogue.h"

namespace brennix::daq::testing {
namespace {

// The columns as the controls' users know them: AI AO DI DO pulse counter.
std::string columnsOf(const BoardEntry& entry) {
    std::string columns;
    for (bool served : entry.servedBy) {
        columns += served ? 'y' : '.';
    }
    return columns;
}

TEST(BoardCatalogue, EachBoardIsServedByTheControlsOfItsCapabilities) {
    struct Row {
        std::string_view name;
        std::string_view driver;
        InitialForm initial;
        std::string_view columns;
    };
    const std::vector<Row> expected{
        {"Brax-Senu", "Senu", InitialForm::CardBase, "yyyy.."},
        {"Brax-VexaL", "Vexa", InitialForm::CardBase, "yyyyyy"},
        {"Brax-Olmi", "Olmi", InitialForm::CardBase, "yyyyyy"},
        {"Brax-Dorv", "Dorv", InitialForm::CardBaseIrq, ".yyy.."},
        {"Brax-Zolt", "Zolt", InitialForm::CardBase, "y....."},
        {"Brax-Fenq", "Fenq", InitialForm::CardBase, "yyyyyy"},
        {"ISA-Ubrix", "Ubrix", InitialForm::None, "yyyy.."},
        {"Brax-Quem", "Quem", InitialForm::CardBase, ".y...."},
        {"Brax-Kilp", "Kilp", InitialForm::CardBase, "..yyyy"},
        {"Brax-Mavo", "Mavo", InitialForm::CardBaseIrq, "..yy.."},
        {"Brax-Rulk", "Rulk", InitialForm::CardBaseIrq, "..yy.."},
        {"Brax-Tepa", "Tepa", InitialForm::CardBase, "..yy.."},
        {"Brax-Tepa/16", "TepaB", InitialForm::CardBase, "..yy.."},
        {"Brax-Nilb", "Nilb", InitialForm::CardBase, "..yyyy"},
        {"Brax-Pruv", "Pruv", InitialForm::CardBaseIrq, "..yy.."},
    };
    auto catalogue = boardCatalogue();
    ASSERT_EQ(catalogue.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(catalogue[i].name, expected[i].name);
        EXPECT_EQ(catalogue[i].driver, expected[i].driver);
        EXPECT_EQ(catalogue[i].initial, expected[i].initial);
        EXPECT_EQ(columnsOf(catalogue[i]), expected[i].columns);
    }
}

TEST(BoardCatalogue, NamesAreExactAndCaseSensitive) {
    EXPECT_TRUE(serves(ControlKind::Tolvan, "Brax-Kilp"));
    EXPECT_FALSE(serves(ControlKind::Pellam, "Brax-Kilp"));
    EXPECT_FALSE(serves(ControlKind::Orsino, "brax-vexal"));
    EXPECT_FALSE(serves(ControlKind::Orsino, "Brax-VexaL "));
    EXPECT_EQ(boardNamed("Brax-Nowhere"), nullptr);
}

TEST(BoardCatalogue, PagesAdaptToTheBoardsLists) {
    auto page = [](std::string_view name) { return boardNamed(name)->page; };
    // Ports of the digital pages.
    EXPECT_EQ(page("Brax-Kilp").digitalPorts, 4);
    EXPECT_EQ(page("Brax-Mavo").digitalPorts, 18);
    EXPECT_EQ(page("Brax-Rulk").digitalPorts, 3);
    EXPECT_EQ(page("Brax-Tepa").digitalPorts, 1);
    EXPECT_EQ(page("Brax-Tepa/16").digitalPorts, 2);
    EXPECT_EQ(page("Brax-Pruv").digitalPorts, 6);
    EXPECT_EQ(page("ISA-Ubrix").digitalPorts, 2);
    // Channels of the analog-output, pulse and counter pages.
    EXPECT_EQ(page("Brax-Dorv").analogOutputChannels, 6);
    EXPECT_EQ(page("Brax-Quem").analogOutputChannels, 2);
    EXPECT_EQ(page("Brax-Kilp").timerChannels, 3);
    EXPECT_EQ(page("Brax-Nilb").timerChannels, 1);
    // The analog-input page.
    auto zolt = page("Brax-Zolt").analogInput;
    ASSERT_TRUE(zolt);
    EXPECT_EQ(zolt->channels, 32);
    EXPECT_EQ(zolt->transfer, TransferList::PollingOnly);
    EXPECT_TRUE(zolt->softwareTriggerOnly);
    auto vexa = page("Brax-VexaL").analogInput;
    ASSERT_TRUE(vexa);
    EXPECT_EQ(vexa->rangeList, RangeList::OverallInputRange);
    EXPECT_TRUE(vexa->inputModeEnabled);
    EXPECT_EQ(page("Brax-Senu").analogInput->transfer, TransferList::PollingAndInterrupt);
    EXPECT_EQ(page("ISA-Ubrix").analogInput->transfer, TransferList::PollingForced);
    // The Fenq range follows AdGain in the control, so its page offers AdGain.
    EXPECT_EQ(page("Brax-Fenq").analogInput->rangeList, RangeList::AdGain);
    // A board without analog input has no such page.
    EXPECT_FALSE(page("Brax-Dorv").analogInput);
}

}  // namespace
}  // namespace brennix::daq::testing
