#include "search/answers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/evaluate.h"
#include "engine/names.h"
#include "tables/tables.h"
#include "tables/unit_finder.h"

namespace search {

namespace {

// Longer than any value, unit and target a person types together; a longer
// query is not one of ours and is refused before any reading.
constexpr std::size_t kMaxQuery = 200;
// Enough to reach every unit of a table whatever the target's words share
// with the units of other tables.
constexpr std::size_t kTargetMatches = 200;

constexpr std::string_view kDash = "\xE2\x80\x94";  // U+2014, the em dash

// The row's texts exactly as the window's result boxes receive them.
struct RowTexts : engine::EvalSink {
    std::vector<std::string> results;
    void Echo(std::string_view /*abbreviation*/) override {}
    void Result(int /*target*/, std::string_view text) override { results.emplace_back(text); }
};

std::optional<std::vector<std::string>> EvaluateRow(const Conversion& conversion,
                                                    const engine::NumberFormat& format)
{
    RowTexts row;
    if (engine::Evaluate(*conversion.table, conversion.from, conversion.value, format, row) !=
            engine::EvalStatus::Ok ||
        row.results.size() != conversion.table->size)
        return std::nullopt;
    return std::move(row.results);
}

// A value the window would take as it stands: short enough for the value box
// and read whole, in range, in the session's format ("1,5" in an English
// session reads as 1, which is not what was meant, so it answers nothing).
bool IsWholeValue(std::string_view value, const engine::NumberFormat& format)
{
    if (value.empty() || value.size() > engine::kMaxTypedText || !IsPlainQuery(value)) return false;
    const engine::ValueReading reading = engine::ReadValueAccounted(value, format);
    return reading.result && reading.whole();
}

// How far a number lies from those read at a glance, 1 to 1000: 0 inside,
// otherwise the powers of ten outside ("0.05" is 1.3, "25000" is 1.4). Zero
// and infinities come last.
double Unreadability(std::string_view text, const engine::NumberFormat& format)
{
    std::string plain(text);
    if (format.decimal != ".")
        if (const std::size_t at = plain.find(format.decimal); at != std::string::npos)
            plain.replace(at, format.decimal.size(), ".");
    const engine::ReadResult read = engine::ReadValue(plain);
    const double size = std::fabs(read.value);
    if (!read || size == 0.0 || !std::isfinite(size) || text.ends_with("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (size < 1.0) return -std::log10(size);
    if (size > 1000.0) return std::log10(size / 1000.0);
    return 0.0;
}

std::string Caption(const engine::UnitDef& unit)
{
    return engine::WithoutAccelerator(unit.caption);
}

bool SameName(const engine::UnitDef& a, const engine::UnitDef& b)
{
    return engine::SameIgnoringCase(a.abbreviation, b.abbreviation) ||
           engine::SameIgnoringCase(Caption(a), Caption(b));
}

// The units a query's unit words name: the finder's best, and in each other
// category the best unit that the words name as tabrix-convert takes a name,
// or that carries the best one's name ("oz" is Ounces in Weight and in
// Liquid; "F" is Furlongs and degrees Fahrenheit). One unit per category: its
// results already name every unit.
std::vector<tables::UnitMatch> Sources(std::string_view words)
{
    const std::vector<tables::UnitMatch> matches = tables::FindUnits(words);
    std::vector<tables::UnitMatch> sources;
    if (matches.empty()) return sources;
    const engine::UnitDef& best = matches.front().table->Unit(matches.front().unit);
    for (const tables::UnitMatch& match : matches) {
        const bool seen = std::ranges::any_of(
            sources, [&](const tables::UnitMatch& s) { return s.table == match.table; });
        const engine::UnitDef& unit = match.table->Unit(match.unit);
        if (!seen && (SameName(unit, best) || tables::NamesUnit(unit, words)))
            sources.push_back(match);
    }
    return sources;
}

// The unit of the table the target's words name, and whether they name it
// outright rather than by a part of its name; 0 when they name none there.
struct Target {
    int unit = 0;
    bool named = false;
};
Target TargetIn(const engine::UnitTable& table, std::string_view words)
{
    Target target;
    for (const tables::UnitMatch& match : tables::FindUnits(words, kTargetMatches)) {
        if (match.table != &table) continue;
        if (tables::NamesUnit(table.Unit(match.unit), words)) return {match.unit, true};
        if (target.unit == 0) target.unit = match.unit;
    }
    return target;
}

Answer MakeAnswer(const Conversion& conversion, const std::vector<std::string>& row)
{
    const engine::UnitTable& table = *conversion.table;
    const engine::UnitDef& from = table.Unit(conversion.from);
    const engine::UnitDef& to = table.Unit(conversion.to);
    const std::string& number = row[std::size_t(conversion.to - 1)];
    Answer answer;
    answer.id = std::string(table.caption) + '/' + std::to_string(conversion.from) + '/' +
                std::to_string(conversion.to) + '/' + conversion.value;
    answer.name = number + ' ' + std::string(to.abbreviation);
    // The value as the window shows it in the source's own box: "1e3" is 1000.
    answer.description = Caption(to) + ' ' + std::string(kDash) + ' ' +
                         row[std::size_t(conversion.from - 1)] + ' ' +
                         std::string(from.abbreviation) + ", " + std::string(table.caption);
    answer.number = number;
    return answer;
}

std::optional<int> ReadIndex(std::string_view text, const engine::UnitTable& table)
{
    int index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size() || text.starts_with('0') ||
        index < 1 || index > int(table.size))
        return std::nullopt;
    return index;
}

}  // namespace

bool IsPlainQuery(std::string_view query)
{
    return !query.empty() && query.size() <= kMaxQuery &&
           std::ranges::none_of(query, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

std::vector<Answer> Answers(std::string_view query, const engine::NumberFormat& format)
{
    std::vector<Answer> answers;
    if (!IsPlainQuery(query)) return answers;
    const tables::QueryParts parts = tables::SplitQuery(query);
    if (parts.unit.empty() || !IsWholeValue(parts.value, format)) return answers;

    std::vector<double> order;
    bool targetNamed = false;
    for (const tables::UnitMatch& source : Sources(parts.unit)) {
        Conversion conversion{source.table, source.unit, 0, parts.value};
        const std::optional<std::vector<std::string>> row = EvaluateRow(conversion, format);
        if (!row) continue;
        if (!parts.target.empty()) {
            // "72 F in C" is Fahrenheit in Celsius, not furlongs in centimeters:
            // a target named outright in one category outranks a partial name
            // in another.
            const Target target = TargetIn(*source.table, parts.target);
            if (target.unit == 0 || (targetNamed && !target.named)) continue;
            if (target.named && !targetNamed) {
                answers.clear();
                order.clear();
                targetNamed = true;
            }
            conversion.to = target.unit;
            answers.push_back(MakeAnswer(conversion, *row));
            order.push_back(0.0);
            continue;
        }
        for (int to = 1; to <= int(source.table->size); ++to) {
            if (to == source.unit) continue;
            conversion.to = to;
            answers.push_back(MakeAnswer(conversion, *row));
            order.push_back(Unreadability(answers.back().number, format));
        }
    }

    // Most readable first; equals keep the finder's and the table's order.
    std::vector<std::size_t> rank(answers.size());
    for (std::size_t i = 0; i < rank.size(); ++i) rank[i] = i;
    std::ranges::stable_sort(rank,
                             [&](std::size_t a, std::size_t b) { return order[a] < order[b]; });
    std::vector<Answer> sorted;
    sorted.reserve(answers.size());
    for (std::size_t i : rank) sorted.push_back(std::move(answers[i]));
    return sorted;
}

std::optional<Conversion> ReadAnswerId(std::string_view id, const engine::NumberFormat& format)
{
    // caption/from/to/value; the value comes last, so it may hold anything.
    const std::size_t first = id.find('/');
    const std::size_t second = id.find('/', first == std::string_view::npos ? first : first + 1);
    const std::size_t third = id.find('/', second == std::string_view::npos ? second : second + 1);
    if (third == std::string_view::npos) return std::nullopt;
    const engine::UnitTable* table = tables::FindTable(id.substr(0, first));
    if (table == nullptr || table->caption != id.substr(0, first)) return std::nullopt;
    const std::optional<int> from = ReadIndex(id.substr(first + 1, second - first - 1), *table);
    const std::optional<int> to = ReadIndex(id.substr(second + 1, third - second - 1), *table);
    const std::string_view value = id.substr(third + 1);
    if (!from || !to || !IsWholeValue(value, format)) return std::nullopt;
    return Conversion{table, *from, *to, std::string(value)};
}

std::optional<Answer> AnswerFor(const Conversion& conversion, const engine::NumberFormat& format)
{
    const std::optional<std::vector<std::string>> row = EvaluateRow(conversion, format);
    if (!row) return std::nullopt;
    return MakeAnswer(conversion, *row);
}

std::vector<std::string> OpenArguments(const Conversion& conversion)
{
    return {"--open",  std::string(conversion.table->caption),
            "--unit",  std::to_string(conversion.from),
            "--value", conversion.value,
            "--to",    std::to_string(conversion.to)};
}

}  // namespace search
