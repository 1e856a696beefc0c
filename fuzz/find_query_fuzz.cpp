// The unit finder on any bytes: a query of any length, with control
// characters or text in any script, never crashes or hangs; its parts are
// pieces of the query, and what it finds is a real unit, at most the limit,
// the same for the whole query as for its unit's words.
// The desktop search reads the same queries, and its result ids come back
// from any process on the bus: every answer's id names its own conversion
// again, and the query's bytes taken as an id name nothing or a conversion
// that answers.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "search/answers.h"
#include "tables/tables.h"
#include "tables/unit_finder.h"

namespace {

constexpr std::size_t kLimit = 50;

bool IsPiece(std::string_view part, std::string_view query)
{
    return part.empty() || query.find(part) != std::string_view::npos;
}

const engine::NumberFormat kPoint{".", ","};

void CheckSearch(std::string_view query)
{
    for (const search::Answer& answer : search::Answers(query, kPoint)) {
        const std::optional<search::Conversion> conversion =
            search::ReadAnswerId(answer.id, kPoint);
        FUZZ_CHECK(conversion, "the id %s of an answer to %s names nothing",
                   fuzz::Escaped(answer.id).c_str(), fuzz::Escaped(query).c_str());
        const std::optional<search::Answer> again = search::AnswerFor(*conversion, kPoint);
        FUZZ_CHECK(again && again->id == answer.id && again->name == answer.name &&
                       again->description == answer.description,
                   "the id %s answers otherwise", fuzz::Escaped(answer.id).c_str());
        FUZZ_CHECK(answer.name.ends_with(conversion->table->Unit(conversion->to).abbreviation),
                   "the name %s lacks its unit", fuzz::Escaped(answer.name).c_str());
    }
    if (const std::optional<search::Conversion> conversion = search::ReadAnswerId(query, kPoint))
        FUZZ_CHECK(search::AnswerFor(*conversion, kPoint) &&
                       search::OpenArguments(*conversion).size() == 8,
                   "the id %s names a conversion that does not answer",
                   fuzz::Escaped(query).c_str());
}

bool SameMatches(const std::vector<tables::UnitMatch>& a, const std::vector<tables::UnitMatch>& b)
{
    return std::ranges::equal(a, b, [](const tables::UnitMatch& x, const tables::UnitMatch& y) {
        return x.table == y.table && x.unit == y.unit;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    const tables::QueryParts parts = tables::SplitQuery(query);
    FUZZ_CHECK(IsPiece(parts.value, query) && IsPiece(parts.unit, query) &&
                   IsPiece(parts.target, query),
               "a part that is not in the query %s", fuzz::Escaped(query).c_str());
    // Digits, or the letters of a hexadecimal "&HFF".
    FUZZ_CHECK(
        parts.value.empty() ||
            std::ranges::any_of(
                parts.value, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }),
        "a value without a digit in %s", fuzz::Escaped(query).c_str());

    const std::vector<tables::UnitMatch> found = tables::FindUnits(query);
    FUZZ_CHECK(found.size() <= kLimit, "%zu matches for %s", found.size(),
               fuzz::Escaped(query).c_str());
    const auto all = tables::AllTables();
    for (const tables::UnitMatch& m : found)
        FUZZ_CHECK(std::ranges::find(all, m.table) != all.end() && m.unit >= 1 &&
                       m.unit <= int(m.table->size),
                   "no such unit %d for %s", m.unit, fuzz::Escaped(query).c_str());
    // Unit words that split no further ("sq in", not "x in y") find what the whole query finds.
    if (tables::SplitQuery(parts.unit).unit == parts.unit)
        FUZZ_CHECK(SameMatches(found, tables::FindUnits(parts.unit)),
                   "the query and its unit's words find different units: %s",
                   fuzz::Escaped(query).c_str());
    FUZZ_CHECK(tables::FindUnits(query, 3).size() == std::min<std::size_t>(found.size(), 3),
               "the limit is not kept for %s", fuzz::Escaped(query).c_str());
    CheckSearch(query);
    return 0;
}
