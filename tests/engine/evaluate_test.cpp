#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/evaluate.h"
#include "recording_sink.h"

namespace {

using namespace engine;
using tabrix_test::RecordingSink;

const NumberFormat kPoint{".", ","};

using Writes = std::vector<std::string>;

// A table with arithmetic that can fault, to show where a fault stops the writes.
constexpr UnitDef kFaultUnits[] = {
    {"&One", "a", "One"}, {"&Two", "b", "Two"}, {"T&hree", "c", "Three"}};
constexpr ConversionRule kFaultRules[3][3] = {
    {Cell(), Cell(Div(0)), Cell(Mul(2))},
    {Cell(Mul(2)), Cell(), Cell(Sub(1), Div(0))},
    {Cell(Mul(1e308)), Cell(Mul(1e308), Sub(1e308), Mul(0.0)), Cell()},
};
static_assert(IsComplete(kFaultRules));
constexpr auto kFaultCells = Flatten(kFaultRules);
constexpr UnitTable kFaultTable = MakeTable("Faults", kFaultUnits, kFaultCells);

TEST(Evaluate, AFaultStopsAtItsCellKeepingEarlierWrites)
{
    const struct {
        int source;
        const char* typed;
        EvalStatus status;
        Writes writes;
    } cases[] = {
        {1, "3", EvalStatus::DivideByZero, {"a", "1=3"}},
        {1, "0", EvalStatus::InvalidOperation, {"a", "1=0"}},  // 0 ÷ 0
        {2, "4", EvalStatus::DivideByZero, {"b", "1=8", "2=4"}},
        {2, "1", EvalStatus::InvalidOperation, {"b", "1=2", "2=1"}},
        // 10 × 1e308 is infinite: written, not a fault; ∞ − 1e308 × 0 is invalid.
        {3, "10", EvalStatus::InvalidOperation, {"c", "1=Infinity"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        RecordingSink sink;
        EXPECT_EQ(Evaluate(kFaultTable, c.source, c.typed, kPoint, sink), c.status);
        EXPECT_EQ(sink.writes, c.writes);
    }
}

TEST(Evaluate, RefusesASourceUnitOutsideTheTable)
{
    for (const int source : {0, -1, 4}) {
        SCOPED_TRACE(source);
        RecordingSink sink;
        EXPECT_EQ(Evaluate(kFaultTable, source, "1", kPoint, sink), EvalStatus::InvalidOperation);
        EXPECT_TRUE(sink.writes.empty());
    }
}

TEST(ApplyRule, RunsStepsLeftToRightEachRoundedToDouble)
{
    // (v × 3) ÷ 10 and v × (3 ÷ 10) differ in the last bit for v = 0.1.
    const ConversionRule rule = Cell(Mul(3), Div(10));
    EXPECT_EQ(ApplyRule(rule, 0.1).value, (0.1 * 3) / 10);
    EXPECT_NE(ApplyRule(rule, 0.1).value, 0.1 * (3.0 / 10));
    EXPECT_EQ(ApplyRule(Cell(AddSelf()), 2.5).value, 5.0);
    EXPECT_EQ(ApplyRule(Cell(), -0.0).value, -0.0);
    EXPECT_EQ(ApplyRule(Cell(Mul(1e308)), 10, true).status, EvalStatus::Overflow);
    EXPECT_EQ(ApplyRule(Cell(Mul(1e308)), 10, false).status, EvalStatus::Ok);
}

}  // namespace
