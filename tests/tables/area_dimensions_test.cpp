#include "tables/area_dimensions.h"

#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

#include "tests/number_formats.h"

using tabrix_test::kCommaFormat;
using tabrix_test::kPointFormat;

namespace {

using engine::DimensionBoxes;
using engine::EvalStatus;

// A window as it opens: empty fields and work boxes, "0" and a line break in
// every result box.
DimensionBoxes FreshBoxes()
{
    DimensionBoxes boxes;
    boxes.results.fill("0\r\n");
    return boxes;
}

DimensionBoxes WithFields(std::initializer_list<std::pair<int, const char*>> fields)
{
    DimensionBoxes boxes = FreshBoxes();
    for (const auto& [index, text] : fields) boxes.Box(index) = text;
    return boxes;
}

TEST(AreaMetric, OneMetreByTwoMetres)
{
    DimensionBoxes boxes = WithFields({{2, "1"}, {5, "2"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat).status,
        EvalStatus::Ok);
    EXPECT_EQ(boxes.Box(7), "100");
    EXPECT_EQ(boxes.Box(8), "200");
    EXPECT_EQ(boxes.Box(9), "20000");
    EXPECT_EQ(boxes.Result(1), "2000000");  // (100 × 10) × (200 × 10)
    EXPECT_EQ(boxes.Result(2), "20000");
    EXPECT_EQ(boxes.Result(6), "2");
    EXPECT_EQ(boxes.Result(9), "2E-06");
}

TEST(AreaMetric, AddsKilometresMetresAndCentimetres)
{
    DimensionBoxes boxes = WithFields({{1, "1"}, {2, "20"}, {3, "5"}, {4, "2"}, {6, "50"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat).status,
        EvalStatus::Ok);
    EXPECT_EQ(boxes.Box(7), "102005");  // 100000 + 2000 + 5 cm
    EXPECT_EQ(boxes.Box(8), "200050");
    EXPECT_EQ(boxes.Box(9), "20406100250");
    EXPECT_EQ(boxes.Result(2), "20406100250");
}

TEST(AreaStandard, OneYardByOneYard)
{
    DimensionBoxes boxes = WithFields({{2, "1"}, {5, "1"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::StandardDimensionsTable(), boxes, kPointFormat).status,
        EvalStatus::Ok);
    EXPECT_EQ(boxes.Box(7), "36");
    EXPECT_EQ(boxes.Box(8), "36");
    EXPECT_EQ(boxes.Box(9), "1296");
    EXPECT_EQ(boxes.Result(1), "836127.36");  // (36 × 25.4)²
    EXPECT_EQ(boxes.Result(3), "1296");
    EXPECT_EQ(boxes.Result(4), "9");
    EXPECT_EQ(boxes.Result(5), "1");
}

TEST(AreaStandard, OneMileSquareIsOneSquareMile)
{
    DimensionBoxes boxes = WithFields({{1, "1"}, {4, "1"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::StandardDimensionsTable(), boxes, kPointFormat).status,
        EvalStatus::Ok);
    EXPECT_EQ(boxes.Box(7), "63360");
    EXPECT_EQ(boxes.Result(4), "27878400");  // square feet in a square mile
    EXPECT_EQ(boxes.Result(10), "1");
}

TEST(AreaDimensions, EmptiesEveryFieldBelowOne)
{
    for (const char* text : {"0", "0.5", ".5", "-2", "abc", "0.999", "-", " "}) {
        SCOPED_TRACE(text);
        DimensionBoxes boxes = WithFields({{1, text}, {2, "1"}, {5, "2"}});
        ASSERT_EQ(
            engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat).status,
            EvalStatus::Ok);
        EXPECT_EQ(boxes.Box(1), "");
        EXPECT_EQ(boxes.Box(7), "100");  // the emptied field counts as 0
    }
    for (const char* text : {"1", "15", "1.5", "1e3", "12abc"}) {
        SCOPED_TRACE(text);
        DimensionBoxes boxes = WithFields({{3, text}});
        ASSERT_EQ(
            engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat).status,
            EvalStatus::Ok);
        EXPECT_EQ(boxes.Box(3), text);
    }
}

TEST(AreaDimensions, EmptyFieldsGiveZeroEverywhere)
{
    DimensionBoxes boxes = WithFields({{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}, {6, "0"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::StandardDimensionsTable(), boxes, kPointFormat).status,
        EvalStatus::Ok);
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(boxes.Box(k), "") << k;
    for (int k = 7; k <= 9; ++k) EXPECT_EQ(boxes.Box(k), "0") << k;
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(boxes.Result(k), "0") << k;
}

// Each box written for the first time starts one nested computation; the
// nested ones find the texts already in place and write them again unchanged.
TEST(AreaDimensions, NestsOnceForEveryChangedWorkBox)
{
    DimensionBoxes boxes = WithFields({{2, "1"}, {5, "2"}});
    const engine::DimensionRun first =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(first.runs, 4);
    EXPECT_EQ(first.deepestLevel, 3);

    // Nothing changes on a second run: no box is written anew, nothing nests.
    const DimensionBoxes settled = boxes;
    const engine::DimensionRun again =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(again.runs, 1);
    EXPECT_EQ(again.deepestLevel, 0);
    EXPECT_EQ(boxes, settled);

    // Changing one field changes box 7 and box 9, two nested levels.
    boxes.Box(3) = "50";
    const engine::DimensionRun changed =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(changed.runs, 3);
    EXPECT_EQ(changed.deepestLevel, 2);
    EXPECT_EQ(boxes.Box(7), "150");
    EXPECT_EQ(boxes.Result(2), "30000");
}

TEST(AreaDimensions, DeepestNestingEmptiesAllFieldsThenWritesAllWorkBoxes)
{
    DimensionBoxes boxes = WithFields({{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}, {6, "0"}});
    const engine::DimensionRun run =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(run.deepestLevel, engine::kMaxDimensionNesting);
    EXPECT_EQ(run.runs, engine::kMaxDimensionNesting + 1);
}

TEST(AreaDimensions, NestedRunsLeaveTheTextsOfASingleRun)
{
    const std::initializer_list<std::pair<int, const char*>> inputs[] = {
        {{2, "1"}, {5, "2"}},
        {{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}, {6, "0"}},
        {{1, "0.5"}, {2, "3"}, {3, "-1"}, {4, "2"}, {5, "abc"}, {6, "7.25"}},
        {{1, "1e304"}},              // an infinite length: a fault after the work boxes
        {{3, "1e400"}},              // a field beyond the double range: a fault at once
        {{1, "0"}, {3, "1.5e308"}},  // an infinite side times a zero side
    };
    for (const auto* table : {&tables::MetricDimensionsTable(), &tables::StandardDimensionsTable()})
        for (const auto& input : inputs) {
            DimensionBoxes nested = WithFields(input);
            DimensionBoxes single = nested;
            const engine::DimensionRun deep =
                engine::RunAreaDimensions(*table, nested, kPointFormat);
            const engine::DimensionRun flat =
                engine::RunAreaDimensions(*table, single, kPointFormat, 0);
            EXPECT_EQ(flat.runs, 1);
            EXPECT_LE(deep.deepestLevel, engine::kMaxDimensionNesting);
            EXPECT_EQ(deep.status, flat.status);
            EXPECT_EQ(nested, single);
        }
}

TEST(AreaDimensions, FieldBeyondTheDoubleRangeStopsBeforeAnyWrite)
{
    DimensionBoxes boxes = WithFields({{1, "0"}, {3, "1e400"}});
    const engine::DimensionRun run =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(run.status, EvalStatus::Overflow);
    EXPECT_EQ(boxes.Box(1), "");  // emptied before field 3 was read
    EXPECT_EQ(boxes.Box(3), "1e400");
    EXPECT_EQ(boxes.Box(7), "");
    EXPECT_EQ(boxes.Result(1), "0\r\n");
}

TEST(AreaDimensions, InfiniteLengthIsAnOverflowAndKeepsTheResults)
{
    DimensionBoxes boxes = WithFields({{1, "1e304"}, {5, "2"}});
    const engine::DimensionRun run =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(run.status, EvalStatus::Overflow);
    EXPECT_EQ(run.faultResult, 0);  // before any result box
    EXPECT_EQ(boxes.Box(7), "Infinity");
    EXPECT_EQ(boxes.Box(8), "200");
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(boxes.Result(k), "0\r\n") << k;
}

TEST(AreaDimensions, SideRoundedPastTheLargestDoubleKeepsTheArea)
{
    // Finite in centimetres, but its 15 digits read back beyond the double
    // range: the area box keeps what it showed, whichever side it is.
    for (const int side : {7, 8}) {
        SCOPED_TRACE(side == 7 ? "length" : "width");
        const int first = side == 7 ? 2 : 5;
        DimensionBoxes boxes = WithFields(
            {{first, "1.797693134862315e306"}, {first + 1, "6e292"}, {side == 7 ? 6 : 3, "1"}});
        boxes.Box(9) = "12";
        const engine::DimensionRun run =
            engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
        EXPECT_EQ(run.status, EvalStatus::Overflow);
        EXPECT_EQ(boxes.Box(side), "1.79769313486232E+308");
        EXPECT_EQ(boxes.Box(side == 7 ? 8 : 7), "1");
        EXPECT_EQ(boxes.Box(9), "12");
        for (int k = 1; k <= 10; ++k) EXPECT_EQ(boxes.Result(k), "0\r\n") << k;
    }
}

TEST(AreaDimensions, InfiniteSideTimesZeroSideIsAnInvalidOperation)
{
    // 1.5E+308 cm is finite, but ten times it in millimetres is not, and the
    // width is 0: the first result has no value.
    DimensionBoxes boxes = WithFields({{3, "1.5e308"}});
    const engine::DimensionRun run =
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat);
    EXPECT_EQ(run.status, EvalStatus::InvalidOperation);
    EXPECT_EQ(run.faultResult, 1);
    EXPECT_EQ(boxes.Box(7), "1.5E+308");
    EXPECT_EQ(boxes.Box(9), "0");
    EXPECT_EQ(boxes.Result(1), "0\r\n");
}

TEST(AreaDimensions, HugeAreaIsWrittenAsInfinity)
{
    DimensionBoxes boxes = WithFields({{1, "1e200"}, {4, "1e200"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kPointFormat).status,
        EvalStatus::Ok);
    EXPECT_EQ(boxes.Box(7), "1E+205");
    EXPECT_EQ(boxes.Box(9), "Infinity");
    EXPECT_EQ(boxes.Result(2), "Infinity");
    EXPECT_EQ(boxes.Result(10), "Infinity");
}

TEST(AreaDimensions, DecimalCommaResultsReadTheWorkBoxesBack)
{
    // Fields are read with the point, whatever the region; the work boxes are
    // written with the regional comma and read back by the whole-text reading.
    DimensionBoxes boxes = WithFields({{2, "1"}, {3, "5"}, {6, "1.5"}});
    ASSERT_EQ(
        engine::RunAreaDimensions(tables::MetricDimensionsTable(), boxes, kCommaFormat).status,
        EvalStatus::Ok);
    EXPECT_EQ(boxes.Box(7), "105");
    EXPECT_EQ(boxes.Box(8), "1,5");
    EXPECT_EQ(boxes.Result(2), "157,5");
    // The hidden area box reads "1,5" the forgiving way, as 1; nothing shows it.
    EXPECT_EQ(boxes.Box(9), "105");
}

}  // namespace
