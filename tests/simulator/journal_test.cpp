#include <gtest/gtest.h>

#include "simulator/journal_backend.h"
#include "simulator/simulator.h"
#include "tests/simulator/test_support.h"

namespace brennix::sim {
namespace {

using namespace testing;

TEST(PortJournal, ScriptedReadsAnswerBeforeTheBoardAndAreMarked) {
    BoardConfig vexa = makeBoard(BoardType::Vexa, 0x300);
    vexa.digitalInput = {0x77, 0};
    ScopedSimulator sim{oneBoard(vexa)};
    sim.simulator().script().queue(0x306, {0x01, 0x02});
    sim.simulator().script().hold(0x305, 0x1F);
    EXPECT_EQ(get(0x306), 0x01);
    EXPECT_EQ(get(0x306), 0x02);
    EXPECT_EQ(get(0x306), 0x77) << "the board answers once the script is used up";
    EXPECT_EQ(get(0x305), 0x1F);
    EXPECT_EQ(get(0x305), 0x1F);
    sim.simulator().script().release(0x305);
    EXPECT_EQ(get(0x305), 0x00);

    const auto& entries = sim.journal().entries();
    ASSERT_EQ(entries.size(), 6U);
    EXPECT_TRUE(entries[0].scripted);
    EXPECT_FALSE(entries[2].scripted);
    EXPECT_EQ(entries[2].value, 0x77);
}

TEST(PortJournal, RecordsWritesInOrderAndDropsTheOldestPastItsCapacity) {
    Journal journal(3);
    for (std::uint8_t v = 1; v <= 5; ++v) {
        JournalEntry entry;
        entry.kind = JournalEntry::Kind::Write;
        entry.port = 0x21;
        entry.value = v;
        journal.add(entry);
    }
    EXPECT_EQ(journal.writesTo(0x21), (std::vector<std::uint8_t>{3, 4, 5}));
    EXPECT_EQ(journal.dropped(), 2U);
}

TEST(JournalOnlyBackend, UndecodedReadsAndScriptedDeviceReplies) {
    auto fake = std::make_shared<JournalBackend>();
    hw::ScopedBackend scope(fake);
    fake->script().queue(0x305, {0x1F});
    EXPECT_EQ(get(0x305), 0x1F);
    EXPECT_EQ(get(0x305), 0xFF);
    put(0x30B, 6);
    EXPECT_EQ(fake->journal().writesTo(0x30B), (std::vector<std::uint8_t>{6}));

    fake->setDeviceAvailable(kDorvAcquisitionDevice, false);
    EXPECT_FALSE(hw::openDevice(kDorvAcquisitionDevice));
    auto device = hw::openDevice(kAcquisitionDevice);
    ASSERT_TRUE(device);
    fake->queueReply(0x80FF2018, {0x58, 0x02, 0, 0, 9, 9});
    fake->queueReply(0x80FF2018, {}, false);
    std::vector<std::uint8_t> out(4, 0);
    std::uint32_t returned = 0;
    EXPECT_TRUE(control(device, 0x80FF2018, nullptr, &out, returned));
    EXPECT_EQ(returned, 4U) << "truncated to the caller's buffer";
    EXPECT_EQ(field(out, 0), 600U);
    EXPECT_FALSE(control(device, 0x80FF2018, nullptr, &out, returned));
    EXPECT_TRUE(control(device, 0x80FF2018, nullptr, &out, returned))
        << "no reply left: plain success";
    EXPECT_EQ(returned, 0U);
    EXPECT_EQ(fake->journal().controls(0x80FF2018).size(), 3U);
}

}  // namespace
}  // namespace brennix::sim
