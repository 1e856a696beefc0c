#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/unit_table.h"

namespace tables {

// One unit of one category, as the finder offers it.
struct UnitMatch {
    const engine::UnitTable* table = nullptr;  // one of AllTables()
    int unit = 0;                              // numbered from 1, as the options
};

// Every unit the query names, best first: an exact caption, abbreviation,
// spoken name or usual singular ("mile", "foot"), then a name one of whose
// words begins with the query, then a name holding it, then a name whose
// words begin with every word of the query ("btu mean"). Case, dots and
// extra blanks are ignored; a name several units share gives each of them.
// A value and a target in the query are passed over ("760 torr" finds the
// torr, see SplitQuery). Empty for a query naming no unit; at most `limit`.
std::vector<UnitMatch> FindUnits(std::string_view query, std::size_t limit = 50);

// A query split into its parts: "760 torr", "torr 760", "5 km in mi",
// "5km to miles". The value is the number as typed ("1,5" stays "1,5"), for a
// value box to read as it reads what the user types there.
struct QueryParts {
    std::string value;   // empty when there is none
    std::string unit;    // the words naming the unit ("torr")
    std::string target;  // the words after "in" or "to" ("mi"); empty when none
};
QueryParts SplitQuery(std::string_view query);

// True when `name` names the unit as tabrix-convert takes it: its
// abbreviation (also without the degree mark: "F" for "*F") or its caption
// without the "&", any case.
bool NamesUnit(const engine::UnitDef& unit, std::string_view name);

// The unit of the table with that number ("12"), abbreviation or caption;
// 0 when none matches, -1 when several share the name.
int UnitByName(const engine::UnitTable& table, std::string_view name);

// Unit k as the programs list it for a user to choose from:
// "  k  Caption (abbr)\n", the number right-aligned in `numberWidth`.
std::string ListedUnit(const engine::UnitTable& table, int k, int numberWidth = 1);

}  // namespace tables
