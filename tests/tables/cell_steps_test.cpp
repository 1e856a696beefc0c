#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cell_steps.h"
#include "engine/names.h"
#include "tables/area_dimensions.h"
#include "tables/tables.h"
#include "tables/unit_readings.h"

namespace {

using namespace engine;

constexpr std::string_view kSigns[] = {" × ", " ÷ ", " + ", " − "};
constexpr Op kSignOps[] = {Op::Mul, Op::Div, Op::Add, Op::Sub};

// Walks the written expression sign by sign: each must be the rule's next
// step, and the number after it must read back as exactly that step's constant.
void ExpectStepsOf(std::string_view written, const ConversionRule& rule, std::string_view operand)
{
    int step = 0;
    for (std::size_t at = 0; at < written.size();) {
        int sign = -1;
        for (int s = 0; s < 4; ++s)
            if (written.substr(at).starts_with(kSigns[s])) sign = s;
        if (sign < 0) {
            ++at;
            continue;
        }
        at += kSigns[sign].size();
        ASSERT_LT(step, rule.count) << written;
        const Step& expected = rule.steps[std::size_t(step++)];
        if (expected.op == Op::AddSelf) {
            EXPECT_EQ(kSignOps[sign], Op::Add) << written;
            EXPECT_TRUE(written.substr(at).starts_with(operand)) << written;
            continue;
        }
        EXPECT_EQ(kSignOps[sign], expected.op) << written;
        double constant = std::numeric_limits<double>::quiet_NaN();
        const auto read =
            std::from_chars(written.data() + at, written.data() + written.size(), constant);
        EXPECT_EQ(read.ec, std::errc()) << written;
        EXPECT_EQ(constant, expected.k) << written;
    }
    EXPECT_EQ(step, rule.count) << written;
}

TEST(CellSteps, NameEveryCellsConstantsExactlyAsTheTableHoldsThem)
{
    int cells = 0;
    for (const UnitTable* table : tables::AllTables())
        for (int i = 1; i <= int(table->size); ++i)
            for (int j = 1; j <= int(table->size); ++j) {
                const std::string steps = CellSteps(*table, i, j);
                const std::string from = WithoutAccelerator(table->Unit(i).caption);
                const std::string head = WithoutAccelerator(table->Unit(j).caption) + " = ";
                SCOPED_TRACE(steps);
                ASSERT_TRUE(steps.starts_with(head));
                EXPECT_NE(steps.find(from, head.size()), std::string::npos);
                if (table->RuleAt(i, j).count == 0) {
                    EXPECT_EQ(steps, head + from);
                }
                ExpectStepsOf(steps.substr(head.size()), table->RuleAt(i, j), from);
                ++cells;
            }
    EXPECT_GT(cells, 1000);

    // The area from a length and a width: the same cell for both sides.
    for (const AreaDimensionsTable* table :
         {&tables::MetricDimensionsTable(), &tables::StandardDimensionsTable()})
        for (int k = 1; k <= kDimensionResults; ++k) {
            const std::string steps = DimensionSteps(*table, k);
            const ConversionRule& rule = table->cells[std::size_t(k - 1)];
            SCOPED_TRACE(steps);
            const std::string head = std::string(table->resultCaptions[std::size_t(k - 1)]);
            if (rule.count == 0) {
                EXPECT_EQ(steps, head + " = length × width");
                continue;
            }
            const std::size_t middle = steps.find(") × (");
            ASSERT_NE(middle, std::string::npos);
            ExpectStepsOf(std::string_view(steps).substr(0, middle), rule, "length");
            ExpectStepsOf(std::string_view(steps).substr(middle + 5), rule, "width");
        }
}

struct ReadingRow {
    Reading unit;
    double value;
    const char* expected;  // nullptr: no reading
    NumberFormat format = {};
};

TEST(ReadingText, ReadsLikeATapeOrAScale)
{
    const ReadingRow rows[] = {
        {Reading::Feet, 230 * 0.03280839895, "7 ft 6 9/16 in"},
        {Reading::Inches, 11.97, "1 ft"},  // carried, never "12 in"
        {Reading::Inches, 0.5, "1/2 in"},
        {Reading::Inches, 12.125, "1 ft 1/8 in"},
        {Reading::Inches, -30.25, "-2 ft 6 1/4 in"},
        {Reading::Yards, 1, "3 ft"},
        {Reading::Feet, 1e9, "1000000000 ft"},
        {Reading::Feet, 1.000001e9, nullptr},
        {Reading::Inches, 0.0313, "1/16 in"},
        {Reading::Inches, 0.031, nullptr},  // below 1/32 in
        {Reading::Inches, std::numeric_limits<double>::infinity(), nullptr},
        {Reading::Pounds, 2.20462262185, "2 lb 3.27 oz"},
        {Reading::Pounds, 2.20462262185, "2 lb 3,27 oz", {",", "."}},
        {Reading::Pounds, 0.5, "8 oz"},
        {Reading::Pounds, -1.0125, "-1 lb 0.2 oz"},
        {Reading::Pounds, 0.0003, nullptr},  // below 0.005 oz
        {Reading::None, 3, nullptr},
    };
    for (const ReadingRow& row : rows) {
        SCOPED_TRACE(row.value);
        const std::optional<std::string> reading = ReadingText(row.unit, row.value, row.format);
        EXPECT_EQ(reading.value_or("(none)"), row.expected ? row.expected : "(none)");
    }
}

TEST(ReadingOf, TheInchesFeetYardsAndPoundsOfTheirTables)
{
    for (const UnitTable* table : tables::AllTables())
        for (int k = 1; k <= int(table->size); ++k) {
            const std::string_view unit = table->Unit(k).abbreviation;
            const Reading reading = tables::ReadingOf(*table, k);
            const bool tape =
                table == &tables::DistanceTable() && (unit == "in" || unit == "ft" || unit == "yd");
            const bool scale = table == &tables::WeightTable() && unit == "lb";
            EXPECT_EQ(reading != Reading::None, tape || scale) << table->caption << ' ' << k;
        }
}

}  // namespace
