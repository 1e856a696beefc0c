#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/names.h"
#include "engine/value_text.h"
#include "tables/tables.h"
#include "tables/unit_finder.h"

namespace {

using engine::ReadStop;

// "Energy 5" for each match, best first.
std::vector<std::string> Found(std::string_view query)
{
    std::vector<std::string> rows;
    for (const tables::UnitMatch& m : tables::FindUnits(query))
        rows.push_back(std::string(m.table->caption) + ' ' + std::to_string(m.unit));
    return rows;
}

// No name is shared by more than three units (Energy's "BTU" and "cal").
constexpr std::size_t kMostSharing = 3;

TEST(FindUnits, FindsEveryUnitByEachOfItsNamesAmongTheFirstRows)
{
    for (const engine::UnitTable* table : tables::AllTables()) {
        for (int k = 1; k <= int(table->size); ++k) {
            const engine::UnitDef& unit = table->Unit(k);
            const std::string wanted = std::string(table->caption) + ' ' + std::to_string(k);
            for (const std::string& name :
                 {engine::WithoutAccelerator(unit.caption), std::string(unit.abbreviation),
                  std::string(unit.spoken)}) {
                const std::vector<std::string> rows = Found(name);
                const auto at = std::ranges::find(rows, wanted);
                EXPECT_LT(std::size_t(at - rows.begin()), kMostSharing) << wanted << " by " << name;
            }
        }
    }
}

// The first rows a query gives, in any order among themselves; `only` when
// there are no others.
struct FoundRow {
    std::string_view query;
    std::vector<std::string> first;
    bool only;
};

TEST(FindUnits, SharedNamesSingularsAndNothingFound)
{
    const FoundRow rows[] = {
        {"btu", {"Energy 5", "Energy 6", "Energy 7"}, true},
        {"oz", {"Liquid 5", "Volume 11", "Weight 4"}, false},
        {"zzqx", {}, true},
        {"", {}, true},
        {" \t ", {}, true},
        {"mile", {"Distance 10"}, false},
        {"foot", {"Distance 4"}, false},
        {"INCH.", {"Distance 3"}, false},
        {"ton", {"Weight 7"}, false},
        {"cubic  feet", {"Volume 4"}, false},
        {"kilometres", {"Distance 9"}, false},
        {"btu thermal", {"Energy 7"}, true},
        {"°F", {"Distance 8", "Temperature 1"}, false},
        {"760 torr", {"Pressure 12"}, true},
    };
    for (const FoundRow& row : rows) {
        SCOPED_TRACE(std::string(row.query));
        std::vector<std::string> found = Found(row.query);
        if (row.only) {
            EXPECT_EQ(found.size(), row.first.size());
        }
        ASSERT_GE(found.size(), row.first.size());
        found.resize(row.first.size());
        std::ranges::sort(found);
        EXPECT_EQ(found, row.first);
    }
}

// The value as typed, and how a value box with the point format reads it.
struct SplitRow {
    std::string_view query, value, unit, target;
    double read;
    ReadStop stop;
};

TEST(SplitQuery, ValueBeforeOrAfterTheUnitAndATargetAfterInOrTo)
{
    const SplitRow rows[] = {
        {"760 torr", "760", "torr", "", 760, ReadStop::Whole},
        {"torr 760", "760", "torr", "", 760, ReadStop::Whole},
        {"5 km in mi", "5", "km", "mi", 5, ReadStop::Whole},
        {" 5 km  TO  mi ", "5", "km", "mi", 5, ReadStop::Whole},
        {"5km", "5", "km", "", 5, ReadStop::Whole},
        {"1,5 km", "1,5", "km", "", 1, ReadStop::Grouping},
        {"1 000 m", "1 000", "m", "", 1000, ReadStop::Whole},
        {"-2.5e-1 kg", "-2.5e-1", "kg", "", -0.25, ReadStop::Whole},
        {"&H1F mm", "&H1F", "mm", "", 31, ReadStop::Whole},
        {"5 in in cm", "5", "in", "cm", 5, ReadStop::Whole},
        {"sq in to sq cm", "", "sq in", "sq cm", 0, ReadStop::Whole},
        {"mm merc in in merc", "", "mm merc", "in merc", 0, ReadStop::Whole},
        {"kg/cm2", "", "kg/cm2", "", 0, ReadStop::Whole},
    };
    for (const SplitRow& row : rows) {
        SCOPED_TRACE(std::string(row.query));
        const tables::QueryParts parts = tables::SplitQuery(row.query);
        EXPECT_EQ(parts.value, row.value);
        EXPECT_EQ(parts.unit, row.unit);
        EXPECT_EQ(parts.target, row.target);
        const engine::ValueReading reading = engine::ReadValueAccounted(parts.value, {});
        EXPECT_EQ(reading.result.value, row.read);
        EXPECT_EQ(reading.stop, row.stop);
    }
}

TEST(Names, AcceleratorsAndCase)
{
    EXPECT_EQ(engine::WithoutAccelerator("F&ahrenheit"), "Fahrenheit");
    EXPECT_EQ(engine::WithoutAccelerator("Salt && &Pepper&"), "Salt & Pepper");
    EXPECT_TRUE(engine::SameIgnoringCase("kWh", "KWH"));
    EXPECT_FALSE(engine::SameIgnoringCase("km", "kmh"));
    EXPECT_FALSE(engine::SameIgnoringCase("\xC3\xA9", "\xC3\x89"));  // é, É: ASCII only
}

}  // namespace
