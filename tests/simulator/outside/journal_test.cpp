#include <gmock/gmock.h>

#include "outside/fenq.h"
#include "outside/kilp.h"
#include "outside/nilb.h"
#include "outside/ubrix.h"
#include "simulator/outside/return_codes.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

using ::testing::ElementsAre;

class CallJournal : public OutsideTest {};

TEST_F(CallJournal, RecordsEveryCallWithArgumentsInOrderOutputsAndResult) {
    ASSERT_EQ(W_Nilb_Initial(1, 0x300), 0);
    ASSERT_EQ(W_Nilb_Timer_Start(2, 0, 1000), 0);
    advanceMilliseconds(5);
    std::int32_t count = 0;
    ASSERT_EQ(W_Nilb_Timer_Read(2, &count), 0);
    EXPECT_EQ(W_Nilb_DO(7, 1), code::kBadPort);

    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Nilb_Initial(1, 768) = 0", "W_Nilb_Timer_Start(2, 0, 1000) = 0",
                            "W_Nilb_Timer_Read(2) -> 995 = 0", "W_Nilb_DO(7, 1) = 8"));
    const CallRecord& read = journal().records()[2];
    EXPECT_EQ(read.library, Library::Nilb);
    EXPECT_EQ(read.microseconds, 5000U);
}

TEST_F(CallJournal, KeepsOutputsOutOfFailedCalls) {
    std::uint8_t value = 0x77;
    EXPECT_EQ(W_Kilp_DI_8(0, &value), code::kNotInitialized);
    EXPECT_EQ(value, 0x77);
    ASSERT_EQ(journal().records().size(), 1U);
    EXPECT_TRUE(journal().records()[0].outputs.empty());
}

TEST_F(CallJournal, SelectsByFunctionAndByLibraryAndClears) {
    W_Kilp_Initial(0, 0x300);
    W_Nilb_Initial(0, 0x300);
    W_Kilp_DO_8(1, 0x12);
    EXPECT_EQ(journal().callsTo("W_Kilp_DO_8").size(), 1U);
    EXPECT_THAT(journal().linesOf(Library::Kilp),
                ElementsAre("W_Kilp_Initial(0, 768) = 0", "W_Kilp_DO_8(1, 18) = 0"));
    journal().clear();
    EXPECT_TRUE(journal().records().empty());
}

TEST_F(CallJournal, GivesUpTheOldestRecordsBeyondItsCapacity) {
    Journal small(2);
    for (int i = 0; i < 3; ++i) {
        CallRecord record;
        record.function = "f" + std::to_string(i);
        small.add(record);
    }
    EXPECT_THAT(small.lines(), ElementsAre("f1() = 0", "f2() = 0"));
    EXPECT_EQ(small.dropped(), 1U);
}

class ScriptedFailure : public OutsideTest {};

TEST_F(ScriptedFailure, FailsOnlyTheNextCallAndLeavesTheBoardAlone) {
    ASSERT_TRUE(simulation().failNext("W_Kilp_Initial", 5));
    EXPECT_EQ(W_Kilp_Initial(0, 0x300), 5);
    EXPECT_EQ(simulation().currentCard(Library::Kilp), -1);
    EXPECT_EQ(W_Kilp_Initial(0, 0x300), 0);
    EXPECT_EQ(simulation().currentCard(Library::Kilp), 0);
    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Kilp_Initial(0, 768) = 5", "W_Kilp_Initial(0, 768) = 0"));
}

TEST_F(ScriptedFailure, QueuesSeveralFailuresOfOneFunctionInOrder) {
    W_Kilp_Initial(0, 0x300);
    ASSERT_TRUE(simulation().failNext("W_Kilp_DO_8", 7));
    ASSERT_TRUE(simulation().failNext("W_Kilp_DO_8", 9));
    EXPECT_EQ(W_Kilp_DO_8(0, 1), 7);
    EXPECT_EQ(W_Kilp_DO_8(0, 1), 9);
    EXPECT_EQ(W_Kilp_DO_8(0, 1), 0);
}

TEST_F(ScriptedFailure, RefusesSuccessUnknownNamesAndFenqCodesBeyondSixteenBits) {
    EXPECT_FALSE(simulation().failNext("W_Kilp_Initial", 0));
    EXPECT_FALSE(simulation().failNext("W_Vexa_Initial", 3));
    EXPECT_FALSE(simulation().failNext("W_Kilp_", 3));
    EXPECT_FALSE(simulation().failNext("W_Fenq_Initial", 40000));
    EXPECT_TRUE(simulation().failNext("W_Fenq_Initial", -32768));
    EXPECT_TRUE(simulation().failNext("_ubri_initial", 12));
    EXPECT_EQ(_ubri_initial(), 12);
}

TEST_F(ScriptedFailure, NegativeFenqResultSignExtendsForTheCaller) {
    ASSERT_TRUE(simulation().failNext("W_Fenq_Initial", -2));
    const std::int32_t result = W_Fenq_Initial(0, 0x300);
    EXPECT_EQ(result, -2);
    EXPECT_THAT(journal().lines(), ElementsAre("W_Fenq_Initial(0, 768) = -2"));
}

TEST_F(ScriptedFailure, NullOutputPointerIsRefusedWithoutEffect) {
    W_Kilp_Initial(0, 0x300);
    W_Kilp_Timer_Start(0, 0, 100);
    EXPECT_EQ(W_Kilp_Timer_Stop(0, nullptr), code::kNoOutput);
    advanceMilliseconds(10);
    std::int32_t count = 0;
    ASSERT_EQ(W_Kilp_Timer_Read(0, &count), 0);
    EXPECT_EQ(count, 90) << "the refused stop must not have stopped the counter";
}

}  // namespace
}  // namespace brennix::outside
