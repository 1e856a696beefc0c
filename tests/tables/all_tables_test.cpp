#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <string_view>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace engine;

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

bool TakesPrices(std::string_view caption)
{
    return caption == "Distance" || caption == "Time" || caption == "Weight" || caption == "Liquid";
}

// Every cell written, every constant finite, no divisor zero.
void ExpectSoundCells(const UnitTable& table, const ConversionRule* cells)
{
    ASSERT_NE(cells, nullptr);
    for (std::size_t i = 0; i < table.size * table.size; ++i) {
        SCOPED_TRACE(testing::Message()
                     << "cell " << i / table.size + 1 << "," << i % table.size + 1);
        const ConversionRule& rule = cells[i];
        ASSERT_GE(rule.count, 0);
        ASSERT_LE(rule.count, int(kMaxSteps));
        for (int s = 0; s < rule.count; ++s) {
            const Step& step = rule.steps[std::size_t(s)];
            EXPECT_TRUE(std::isfinite(step.k));
            if (step.op == Op::Div) {
                EXPECT_NE(step.k, 0.0);
            }
        }
    }
}

TEST(AllTables, EveryTableIsASoundSquareMatrix)
{
    ASSERT_FALSE(tables::AllTables().empty());
    for (const UnitTable* table : tables::AllTables()) {
        ASSERT_NE(table, nullptr);
        SCOPED_TRACE(std::string(table->caption));
        EXPECT_GE(table->size, 3u);
        EXPECT_LE(table->size, 14u);
        ASSERT_NE(table->units, nullptr);
        for (std::size_t k = 0; k < table->size; ++k) {
            EXPECT_FALSE(table->units[k].caption.empty());
            EXPECT_FALSE(table->units[k].abbreviation.empty());
        }
        ExpectSoundCells(*table, table->cells);
        if (table->HasPrices()) ExpectSoundCells(*table, table->priceCells);
    }
}

TEST(AllTables, CaptionsAreUniqueAndInAlphabeticalOrder)
{
    std::set<std::string> seen;
    std::string previous;
    for (const UnitTable* table : tables::AllTables()) {
        const std::string caption = Lower(table->caption);
        EXPECT_TRUE(seen.insert(caption).second) << caption;
        EXPECT_LT(previous, caption);
        previous = caption;
        EXPECT_EQ(tables::FindTable(caption), table);
    }
}

TEST(AllTables, OnlyFourCategoriesTakePrices)
{
    for (const UnitTable* table : tables::AllTables()) {
        SCOPED_TRACE(std::string(table->caption));
        EXPECT_EQ(table->HasPrices(), TakesPrices(table->caption));
    }
    for (const char* caption : {"Distance", "Time", "Weight", "Liquid"}) {
        const UnitTable* table = tables::FindTable(caption);
        ASSERT_NE(table, nullptr) << caption;
        EXPECT_TRUE(table->HasPrices()) << caption;
    }
}

TEST(AllTables, OnlyAreaGoesThroughTheSideOfASquare)
{
    for (const UnitTable* table : tables::AllTables()) {
        SCOPED_TRACE(std::string(table->caption));
        EXPECT_EQ(table->evaluation == Evaluation::SquareSide, table->caption == "Area");
    }
}

// Every row evaluates: the echo of its own abbreviation, then one text per unit
// in index order; the same for every price row.
TEST(AllTables, EveryRowWritesEveryUnitInOrder)
{
    for (const UnitTable* table : tables::AllTables()) {
        for (int source = 1; source <= int(table->size); ++source) {
            SCOPED_TRACE(testing::Message() << table->caption << " row " << source);
            const auto run = tabrix_test::Convert(*table, source, "1");
            ASSERT_EQ(run.status, EvalStatus::Ok);
            const std::size_t first = table->evaluation == Evaluation::SquareSide ? 2 : 1;
            ASSERT_EQ(run.writes.size(), first + table->size);
            EXPECT_EQ(run.writes[first - 1], table->Unit(source).abbreviation);
            for (std::size_t j = 1; j <= table->size; ++j)
                EXPECT_EQ(run.writes[first + j - 1].rfind(std::to_string(j) + "=", 0), 0u);
            if (!table->HasPrices()) continue;
            const auto prices = tabrix_test::Price(*table, source, "1");
            ASSERT_EQ(prices.status, EvalStatus::Ok);
            ASSERT_EQ(prices.writes.size(), table->size);
            for (std::size_t j = 1; j <= table->size; ++j)
                EXPECT_EQ(prices.writes[j - 1].rfind(std::to_string(j) + "=$", 0), 0u);
        }
    }
}

}  // namespace
