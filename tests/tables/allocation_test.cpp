// A keystroke evaluates a whole row; it must not touch the heap beyond the
// result texts the windows keep. This binary counts every global allocation.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/evaluate.h"
#include "engine/price.h"
#include "support/allocation_counter.h"
#include "tables/tables.h"

namespace {

using namespace engine;

// Keeps nothing, so every allocation counted was the evaluation's own.
struct DiscardingSink : EvalSink, PriceSink {
    int writes = 0;
    void Echo(std::string_view) override { ++writes; }
    void Result(int, std::string_view) override { ++writes; }
    void Side(std::string_view) override { ++writes; }
    void Price(int, std::string_view) override { ++writes; }
};

const NumberFormat kFormats[] = {{".", ","}, {",", "\u202f"}};
const char* const kTypedValues[] = {"1234.5", "-0.000125", "1e300", "&H1F", "12abc", ""};

TEST(Allocation, CountsTheAllocationsOfThisBinary)
{
    const long before = tabrix_test::AllocationCount();
    const std::string text(100, 'x');  // beyond any short-string buffer
    const long allocations = tabrix_test::AllocationCount() - before;
    EXPECT_EQ(text.size(), 100u);
    EXPECT_EQ(allocations, 1);
}

TEST(Allocation, EvaluatingARowAllocatesNothing)
{
    for (const UnitTable* table : tables::AllTables()) {
        for (int source = 1; source <= int(table->size); ++source) {
            for (const NumberFormat& format : kFormats) {
                for (const char* typed : kTypedValues) {
                    DiscardingSink sink;
                    const long before = tabrix_test::AllocationCount();
                    Evaluate(*table, source, typed, format, sink);
                    const long allocations = tabrix_test::AllocationCount() - before;
                    EXPECT_EQ(allocations, 0) << table->caption << " row " << source << " \""
                                              << typed << "\" decimal \"" << format.decimal << '"';
                    EXPECT_GT(sink.writes, 0);
                }
            }
        }
    }
}

// A price label's text is returned as a string; that string may be all a
// label costs, and for everyday prices it fits the string's own buffer.
TEST(Allocation, PricingARowAllocatesAtMostItsLabelTexts)
{
    const char* const prices[] = {"2.5", "19.99", "1234.56", "0.01"};
    int priceTables = 0;
    for (const UnitTable* table : tables::AllTables()) {
        if (!table->HasPrices()) continue;
        ++priceTables;
        for (int source = 1; source <= int(table->size); ++source) {
            for (const char* price : prices) {
                DiscardingSink sink;
                const long before = tabrix_test::AllocationCount();
                EvaluatePrice(*table, source, price, kFormats[0], sink);
                const long allocations = tabrix_test::AllocationCount() - before;
                EXPECT_LE(allocations, long(table->size))
                    << table->caption << " row " << source << " price " << price;
                EXPECT_EQ(sink.writes, int(table->size));
            }
        }
    }
    if (priceTables == 0) GTEST_SKIP() << "no table with prices is registered yet";
}

}  // namespace
