#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/price.h"

namespace {

using namespace engine;

const NumberFormat kPoint{".", ","};

TEST(FormatPrice, RoundsHalfAwayFromZeroToCents)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "$0.00"},
        {2, "$2.00"},
        {0.00625, "$0.01"},
        {0.25, "$0.25"},
        {1.242742, "$1.24"},
        {2.3, "$2.30"},
        {-3, "-$3.00"},
        {0.004999, "$0.00"},
        {0.005, "$0.01"},
        {-0.005, "-$0.01"},
        {-0.004, "$0.00"},
        {-0.0, "$0.00"},
        {0.345, "$0.35"},  // the double lies just below the half; its 15 digits do not
        {1.005, "$1.01"},
        {2.675, "$2.68"},
        {9.995, "$10.00"},
        {99999.999, "$100000.00"},
        {1234567.891, "$1234567.89"},
        {1e20, "$100000000000000000000.00"},
        {1e-300, "$0.00"},
        {0.0049999999999999999, "$0.01"},  // 15 digits: 0.005
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatPrice(c.value, kPoint), c.text);
    }
    EXPECT_EQ(FormatPrice(1234.5, NumberFormat{",", "."}), "$1234,50");
}

// Price cells with every kind of operation, and one that overflows.
constexpr UnitDef kUnits[] = {{"&A", "a", "A"}, {"&B", "b", "B"}, {"&C", "c", "C"}};
constexpr ConversionRule kCells[3][3] = {
    {Cell(), Cell(Mul(2)), Cell(Div(3))},
    {Cell(Div(2)), Cell(), Cell(AddSelf())},
    {Cell(Mul(3)), Cell(Div(1e-10)), Cell()},
};
constexpr auto kFlat = Flatten(kCells);
constexpr UnitTable kTable = MakePriceTable("Prices", kUnits, kFlat, kFlat);

struct RecordingSink : PriceSink {
    std::vector<std::string> labels;
    void Price(int target, std::string_view text) override
    {
        labels.push_back(std::to_string(target) + "=" + std::string(text));
    }
};

TEST(EvaluatePrice, WritesEveryLabelOrStopsAtTheFault)
{
    const struct {
        int source;
        const char* price;
        EvalStatus status;
        std::vector<std::string> labels;
    } cases[] = {
        {1, "2", EvalStatus::Ok, {"1=$2.00", "2=$4.00", "3=$0.67"}},
        {2, "-3", EvalStatus::Ok, {"1=-$1.50", "2=-$3.00", "3=-$6.00"}},
        {2, "abc", EvalStatus::Ok, {"1=$0.00", "2=$0.00", "3=$0.00"}},
        {3, "1e300", EvalStatus::Overflow, {"1=$3" + std::string(300, '0') + ".00"}},
        {1, "1e400", EvalStatus::Overflow, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price);
        RecordingSink sink;
        EXPECT_EQ(EvaluatePrice(kTable, c.source, c.price, kPoint, sink), c.status);
        EXPECT_EQ(sink.labels, c.labels);
    }
}

TEST(EvaluatePrice, RefusesATableWithoutPrices)
{
    constexpr UnitTable plain = MakeTable("Plain", kUnits, kFlat);
    RecordingSink sink;
    EXPECT_EQ(EvaluatePrice(plain, 1, "2", kPoint, sink), EvalStatus::InvalidOperation);
    EXPECT_TRUE(sink.labels.empty());
}

}  // namespace
