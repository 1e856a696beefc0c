#include "tables/unit_finder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <utility>

#include "engine/names.h"
#include "tables/tables.h"

namespace tables {

namespace {

// How well a name matches a query; lower is better.
enum Rank : int { kExact, kWordStart, kInside, kEveryWord, kNone };

// The most "in" or "to" words a query's split weighs against each other; a
// longer run of them is no query a person types.
constexpr std::size_t kMaxSeparators = 16;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Letters, digits and any byte of a UTF-8 sequence belong to a word.
bool IsWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsAsciiDigit(c) || byte >= 0x80;
}

// A name or a query as the finder compares them: ASCII letters in lower case,
// without dots, degree marks ("*F", "°F") or accelerator marks, every run of
// blanks and control characters one blank, none at either end. Stops once
// the result is longer than `limit`.
std::string Normalized(std::string_view text,
                       std::size_t limit = std::numeric_limits<std::size_t>::max())
{
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '.' || c == '*' || c == '&') continue;
        if (byte == 0xC2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xB0) {
            ++i;  // U+00B0, the degree sign
            continue;
        }
        if (byte <= 0x20 || byte == 0x7F) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out.push_back(' ');
        blank = false;
        out.push_back(LowerAscii(c));
        if (out.size() > limit) break;
    }
    return out;
}

// The usual singular of one lower-case English word: "miles" is "mile",
// "inches" "inch", "centuries" "century"; "celsius" stays. The tables spell
// "meter" and "liter"; "metres" and "litre" are taken as those.
std::string Singular(std::string_view word)
{
    if (word.size() > 4 && (word.ends_with("tre") || word.ends_with("tres")))
        return std::string(word.substr(0, word.find_last_of('t'))) + "ter";
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kIrregular{{
        {"feet", "foot"},
        {"calories", "calorie"},
    }};
    for (const auto& [plural, singular] : kIrregular)
        if (word == plural) return std::string(singular);
    if (word.size() > 4 && word.ends_with("ies"))
        return std::string(word.substr(0, word.size() - 3)) + 'y';
    for (std::string_view ending : {"ches", "shes", "sses", "xes"})
        if (word.size() > ending.size() && word.ends_with(ending))
            return std::string(word.substr(0, word.size() - 2));
    if (word.size() > 2 && word.ends_with('s') && !word.ends_with("ss") && !word.ends_with("us") &&
        !word.ends_with("is"))
        return std::string(word.substr(0, word.size() - 1));
    return std::string(word);
}

// A normalized text with each of its words in the singular.
std::string SingularWords(std::string_view text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!(text[i] >= 'a' && text[i] <= 'z')) {
            out.push_back(text[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] >= 'a' && text[end] <= 'z') ++end;
        out += Singular(text.substr(i, end - i));
        i = end;
    }
    return out;
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsWordByte(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsWordByte(text[end])) ++end;
        words.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool StartsWord(std::string_view name, std::size_t pos)
{
    return pos == 0 || !IsWordByte(name[pos - 1]);
}

// A name or a query, normalized once, and its words.
struct Name {
    std::string text;
    std::vector<std::string> words;
};

Name MakeName(std::string text)
{
    std::vector<std::string> words = Words(text);
    return {std::move(text), std::move(words)};
}

// How well a name matches a query, and where in the name the query stands
// (the name's size for a match by words).
struct NameRank {
    Rank rank = kNone;
    std::size_t position = 0;
};

NameRank RankName(const Name& name, const Name& query)
{
    if (name.text == query.text) return {kExact, 0};
    const std::size_t first = name.text.find(query.text);
    for (std::size_t pos = first; pos != std::string::npos;
         pos = name.text.find(query.text, pos + 1))
        if (StartsWord(name.text, pos)) return {kWordStart, pos};
    if (first != std::string::npos) return {kInside, first};
    if (query.words.size() < 2 || query.words.size() > name.words.size()) return {};
    const bool everyWord = std::ranges::all_of(query.words, [&](std::string_view word) {
        return std::ranges::any_of(name.words,
                                   [&](std::string_view own) { return own.starts_with(word); });
    });
    return everyWord ? NameRank{kEveryWord, name.text.size()} : NameRank{};
}

// Every name of one unit, normalized, each once.
struct Entry {
    const engine::UnitTable* table;
    int unit;
    std::vector<Name> names;
};

std::vector<Entry> BuildIndex()
{
    std::vector<Entry> index;
    for (const engine::UnitTable* table : AllTables()) {
        for (int k = 1; k <= int(table->size); ++k) {
            const engine::UnitDef& def = table->Unit(k);
            const std::string caption = Normalized(engine::WithoutAccelerator(def.caption));
            const std::string spoken = Normalized(def.spoken);
            std::vector<std::string> texts = {caption, Normalized(def.abbreviation), spoken,
                                              SingularWords(caption), SingularWords(spoken)};
            Entry entry{table, k, {}};
            for (std::string& text : texts) {
                if (text.empty() || std::ranges::any_of(entry.names, [&](const Name& name) {
                        return name.text == text;
                    }))
                    continue;
                entry.names.push_back(MakeName(std::move(text)));
            }
            index.push_back(std::move(entry));
        }
    }
    return index;
}

const std::vector<Entry>& Index()
{
    static const std::vector<Entry> index = BuildIndex();
    return index;
}

// No query longer than this names a unit: even the last rank needs each of
// its words to begin a word of one name, with no more words than the name.
std::size_t LongestNamingQuery()
{
    static const std::size_t longest = [] {
        std::size_t most = 0;
        for (const Entry& entry : Index())
            for (const Name& name : entry.names) {
                std::size_t longestWord = 0;
                for (const std::string& word : name.words)
                    longestWord = std::max(longestWord, word.size());
                most = std::max({most, name.text.size(), name.words.size() * (longestWord + 1)});
            }
        return most;
    }();
    return longest;
}

// The best rank of each unit for the unit words of a query, and how far into
// the name the query stands; units the query does not name are left out.
struct Ranked {
    Rank rank;
    std::size_t position;
    std::size_t order;  // the unit's place in the index: category order, then unit order
};

std::vector<Ranked> RankUnits(std::string_view unitWords)
{
    std::vector<Ranked> ranked;
    const std::string text = Normalized(unitWords, LongestNamingQuery());
    if (text.empty() || text.size() > LongestNamingQuery()) return ranked;
    std::vector<Name> queries;
    queries.push_back(MakeName(text));
    // "cubic feet" finds "Cubic Foot" as "miles" finds "Miles".
    if (std::string singular = SingularWords(text); singular != text)
        queries.push_back(MakeName(std::move(singular)));

    const std::vector<Entry>& index = Index();
    for (std::size_t order = 0; order < index.size(); ++order) {
        Ranked best{kNone, 0, order};
        for (const Name& name : index[order].names) {
            for (const Name& query : queries) {
                const auto [rank, position] = RankName(name, query);
                if (rank < best.rank || (rank == best.rank && position < best.position))
                    best = {rank, position, order};
            }
        }
        if (best.rank != kNone) ranked.push_back(best);
    }
    return ranked;
}

// The best rank the words give any unit; kNone when they name none.
Rank BestRank(std::string_view unitWords)
{
    Rank best = kNone;
    for (const Ranked& r : RankUnits(unitWords)) best = std::min(best, r.rank);
    return best;
}

// The end of a number typed at `pos`, as a value box takes it: a sign, digits
// with points, commas, apostrophes, no-break spaces or blanks among them, an
// exponent; or "&H"/"&O" and its digits. `pos` itself when no number starts there.
std::size_t NumberEnd(std::string_view text, std::size_t pos)
{
    std::size_t i = pos;
    const auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
    if (at(i) == '&' && (LowerAscii(at(i + 1)) == 'h' || LowerAscii(at(i + 1)) == 'o')) {
        std::size_t end = i + 2;
        while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end]))) ++end;
        return end > i + 2 ? end : pos;
    }
    if (at(i) == '+' || at(i) == '-') ++i;
    bool digits = false;
    std::size_t end = pos;
    while (i < text.size()) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (IsAsciiDigit(c)) {
            digits = true;
            end = ++i;
        } else if (c == '.' || c == ',' || c == '\'') {
            end = ++i;
        } else if (byte == 0xC2 && static_cast<unsigned char>(at(i + 1)) == 0xA0) {
            end = i += 2;  // U+00A0, a no-break space grouping digits
        } else if (byte == 0xE2 && static_cast<unsigned char>(at(i + 1)) == 0x80 &&
                   static_cast<unsigned char>(at(i + 2)) == 0xAF) {
            end = i += 3;  // U+202F, a narrow no-break space
        } else if (IsBlank(c)) {
            // Blanks between digits are dropped as the box drops them: "1 000".
            std::size_t next = i;
            while (next < text.size() && IsBlank(text[next])) ++next;
            if (!IsAsciiDigit(at(next)) && at(next) != '.' && at(next) != ',') break;
            i = next;
        } else if (digits && (c == 'e' || c == 'E')) {
            std::size_t k = i + 1;
            if (at(k) == '+' || at(k) == '-') ++k;
            if (!IsAsciiDigit(at(k))) break;
            while (IsAsciiDigit(at(k))) ++k;
            end = i = k;
        } else {
            break;
        }
    }
    return digits ? end : pos;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A value before the unit's words ("760 torr", "5km") or after them
// ("torr 760"); the value before wins.
std::pair<std::string_view, std::string_view> SplitValue(std::string_view text)
{
    text = Trimmed(text);
    if (const std::size_t end = NumberEnd(text, 0); end > 0)
        return {Trimmed(text.substr(0, end)), Trimmed(text.substr(end))};
    std::size_t i = 1;
    while (i < text.size()) {
        if (!IsBlank(text[i - 1]) || IsBlank(text[i])) {
            ++i;
            continue;
        }
        const std::size_t end = NumberEnd(text, i);
        if (end == i) {
            ++i;
        } else if (end == text.size()) {
            return {text.substr(i), Trimmed(text.substr(0, i))};
        } else {
            i = end;  // a number inside the words ("2 3 x"): none starts within it either
        }
    }
    return {{}, text};
}

}  // namespace

QueryParts SplitQuery(std::string_view query)
{
    const std::string_view text = Trimmed(query);
    // "in" and "to" standing as words, with words on both sides, may open the
    // target. "in" is also the inch and begins "in merc", so each such split
    // is weighed by how well both sides name units: "sq in to sq cm".
    std::string_view source = text, target;
    int bestScore = std::numeric_limits<int>::max();
    std::size_t tried = 0;
    for (std::size_t i = 1; i + 3 < text.size() && tried < kMaxSeparators; ++i) {
        if (!IsBlank(text[i - 1]) || !IsBlank(text[i + 2])) continue;
        const std::string_view word = text.substr(i, 2);
        if (!engine::SameIgnoringCase(word, "in") && !engine::SameIgnoringCase(word, "to"))
            continue;
        const std::string_view left = text.substr(0, i), right = Trimmed(text.substr(i + 2));
        const std::string_view leftUnit = SplitValue(left).second;
        if (leftUnit.empty() || right.empty()) continue;
        ++tried;
        const int score = int(BestRank(leftUnit)) + int(BestRank(right));
        if (score < bestScore) {
            bestScore = score;
            source = Trimmed(left);
            target = right;
        }
    }
    const auto [value, unit] = SplitValue(source);
    return {std::string(value), std::string(unit), std::string(target)};
}

std::vector<UnitMatch> FindUnits(std::string_view query, std::size_t limit)
{
    std::vector<Ranked> ranked = RankUnits(SplitQuery(query).unit);
    std::ranges::stable_sort(ranked, [](const Ranked& a, const Ranked& b) {
        return std::pair(a.rank, a.position) < std::pair(b.rank, b.position);
    });
    std::vector<UnitMatch> matches;
    const std::vector<Entry>& index = Index();
    for (const Ranked& r : ranked) {
        if (matches.size() == limit) break;
        matches.push_back({index[r.order].table, index[r.order].unit});
    }
    return matches;
}

bool NamesUnit(const engine::UnitDef& unit, std::string_view name)
{
    // Temperature abbreviations carry a "*" for the degree sign; "C" names "*C".
    const std::string_view abbreviation = unit.abbreviation;
    const std::string_view withoutDegree =
        abbreviation.starts_with('*') ? abbreviation.substr(1) : abbreviation;
    return engine::SameIgnoringCase(abbreviation, name) ||
           engine::SameIgnoringCase(withoutDegree, name) ||
           engine::SameIgnoringCase(engine::WithoutAccelerator(unit.caption), name);
}

int UnitByName(const engine::UnitTable& table, std::string_view name)
{
    if (!name.empty() && std::ranges::all_of(name, IsAsciiDigit)) {
        const int k = name.size() <= 3 ? std::stoi(std::string(name)) : 0;
        return k >= 1 && k <= int(table.size) ? k : 0;
    }
    int found = 0;
    for (int k = 1; k <= int(table.size); ++k) {
        if (!NamesUnit(table.Unit(k), name)) continue;
        if (found != 0) return -1;
        found = k;
    }
    return found;
}

std::string ListedUnit(const engine::UnitTable& table, int k, int numberWidth)
{
    std::string number = std::to_string(k);
    if (int(number.size()) < numberWidth) number.insert(0, numberWidth - number.size(), ' ');
    return "  " + number + "  " + engine::WithoutAccelerator(table.Unit(k).caption) + " (" +
           std::string(table.Unit(k).abbreviation) + ")\n";
}

}  // namespace tables
