#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

enum Unit { kSec = 1, kMin, kHr, kDa, kWk, kMo, kYr, kCen };

const engine::UnitTable& Table() { return tables::TimeTable(); }

TEST(TimeTable, OneYearInEveryUnit)
{
    ExpectWrites(Table(), {{kYr,
                            "1",
                            {"yr", "1=31557600", "2=525960", "3=8766", "4=365.25", "5=52.17857143",
                             "6=12", "7=1", "8=0.01"}}});
}

TEST(TimeTable, KeepsEachCellsOwnOperation)
{
    ExpectCells(Table(),
                {
                    {kDa, "1", kWk, "0.142857142857143"},  // ÷ 7.0, shown with 15 digits
                    {kMo, "12", kDa, "365.25"},            // a month is 30.4375 days
                    {kSec, "1", kMin, "0.0166666666666667"},
                    {kWk, "1", kMo, "0.229979466103985"},  // ÷ 4.348214286
                    {kMo, "1", kWk, "4.348214286"},
                    // Rounded reciprocals multiply: 1e9 s ÷ 2629800 would be 380.257053768347.
                    {kSec, "1000000000", kMo, "380.2570538"},
                    {kSec, "1000000000", kYr, "31.68808781"},
                    {kCen, "1", kSec, "3155760000"},
                });
}

TEST(TimeTable, PricePerHourInEveryUnit)
{
    // Per century divides by the rounded 1.140771161e-06, hence the extra cent.
    ExpectPriceWrites(Table(), {{kHr,
                                 "30",
                                 {"1=$0.01", "2=$0.50", "3=$30.00", "4=$720.00", "5=$5040.00",
                                  "6=$21915.00", "7=$262980.00", "8=$26298000.01"}}});
}

}  // namespace
