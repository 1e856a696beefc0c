// One evaluation of a row of every table, and of its price row, from an
// arbitrary value text and price text. The input's first byte picks the row
// (taken modulo each table's size), the rest is split at its first NUL byte
// into the value text and the price text.
// Checked: the order of the writes (echo, then targets 1..n ascending with no
// gap), the statuses (the tables' finite constants and non-zero divisors can
// fault only on an unreadable number or an overflowing price), the texts
// themselves, and that the comma format differs only in the separator.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/price.h"
#include "fuzz/fuzz_check.h"
#include "tables/tables.h"

namespace {

struct Write {
    enum Kind { Echo, Side, Result, Price } kind;
    int target;
    std::string text;
};

struct Recorder : engine::EvalSink, engine::PriceSink {
    std::vector<Write> writes;
    void Echo(std::string_view abbreviation) override
    {
        writes.push_back({Write::Echo, 0, std::string(abbreviation)});
    }
    void Side(std::string_view text) override
    {
        writes.push_back({Write::Side, 0, std::string(text)});
    }
    void Result(int target, std::string_view text) override
    {
        writes.push_back({Write::Result, target, std::string(text)});
    }
    void Price(int target, std::string_view text) override
    {
        writes.push_back({Write::Price, target, std::string(text)});
    }
};

const engine::NumberFormat kPoint{".", ","};
const engine::NumberFormat kComma{",", "."};

std::string WithComma(std::string text)
{
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

// Result and price writes must be targets 1, 2, … k in that order, starting
// at `first` in the write list; returns k.
int CheckAscending(const std::vector<Write>& writes, std::size_t first, Write::Kind kind,
                   const char* where)
{
    int expected = 1;
    for (std::size_t i = first; i < writes.size(); ++i, ++expected) {
        FUZZ_CHECK(writes[i].kind == kind && writes[i].target == expected,
                   "%s: write %zu is kind %d target %d, expected target %d", where, i,
                   int(writes[i].kind), writes[i].target, expected);
    }
    return expected - 1;
}

void CheckValueText(const std::string& text, const char* where)
{
    FUZZ_CHECK(text.size() <= 22 && !text.empty(), "%s: result %s", where,
               fuzz::Escaped(text).c_str());
    if (text == "Infinity" || text == "-Infinity") return;
    const engine::ReadResult back = engine::ReadValue(text);
    // Only the largest doubles round, at 15 digits, past the range.
    FUZZ_CHECK(back || text.starts_with("1.79769313486232E+308") ||
                   text.starts_with("-1.79769313486232E+308"),
               "%s: result %s does not read back", where, text.c_str());
    FUZZ_CHECK(engine::FormatValue(back.value, kPoint) == text || !back,
               "%s: result %s is not in written form", where, text.c_str());
}

void CheckPriceText(const std::string& text, const char* where)
{
    std::size_t i = text.starts_with("-$") ? 2 : text.starts_with('$') ? 1 : 0;
    FUZZ_CHECK(i > 0, "%s: price %s", where, fuzz::Escaped(text).c_str());
    const std::size_t point = text.find('.');
    FUZZ_CHECK(point != std::string::npos && point > i && point + 3 == text.size(), "%s: price %s",
               where, fuzz::Escaped(text).c_str());
    for (; i < text.size(); ++i)
        FUZZ_CHECK(i == point || (text[i] >= '0' && text[i] <= '9'), "%s: price %s", where,
                   fuzz::Escaped(text).c_str());
    FUZZ_CHECK(text != "-$0.00", "%s: a negative zero price", where);
}

void CheckRow(const engine::UnitTable& table, int source, std::string_view value,
              const engine::ReadResult& read)
{
    const int n = int(table.size);
    Recorder sink;
    const engine::EvalStatus status = engine::Evaluate(table, source, value, kPoint, sink);
    const auto& w = sink.writes;
    const std::string where = std::string(table.caption) + " row " + std::to_string(source);

    if (!read) {
        FUZZ_CHECK(status == engine::EvalStatus::Overflow, "%s: status %d for an unreadable value",
                   where.c_str(), int(status));
    } else {
        FUZZ_CHECK(status == engine::EvalStatus::Ok, "%s: status %d for %s", where.c_str(),
                   int(status), fuzz::Escaped(value).c_str());
    }

    std::size_t first = 0;
    if (table.evaluation == engine::Evaluation::SquareSide) {
        if (!read) {
            FUZZ_CHECK(w.empty(), "%s: writes before an unreadable value", where.c_str());
            return;
        }
        if (!(read.value > 0.0)) {
            // No area: every box shows "0", nothing is echoed.
            FUZZ_CHECK(CheckAscending(w, 0, Write::Result, where.c_str()) == n, "%s",
                       where.c_str());
            for (const Write& write : w) FUZZ_CHECK(write.text == "0", "%s", where.c_str());
            return;
        }
        FUZZ_CHECK(w.size() >= 2 && w[0].kind == Write::Side && w[1].kind == Write::Echo,
                   "%s: side and echo expected first", where.c_str());
        CheckValueText(w[0].text, where.c_str());
        first = 1;
    }
    FUZZ_CHECK(w.size() > first && w[first].kind == Write::Echo &&
                   w[first].text == table.Unit(source).abbreviation,
               "%s: the echo is missing or wrong", where.c_str());
    const int written = CheckAscending(w, first + 1, Write::Result, where.c_str());
    FUZZ_CHECK(written == (status == engine::EvalStatus::Ok ? n : 0), "%s: %d results, status %d",
               where.c_str(), written, int(status));
    for (std::size_t i = first + 1; i < w.size(); ++i) CheckValueText(w[i].text, where.c_str());

    if (status == engine::EvalStatus::Ok) {
        // The source's own box shows the value as read, whatever was typed.
        if (table.RuleAt(source, source).count == 0)
            FUZZ_CHECK(w[first + std::size_t(source)].text ==
                           engine::FormatValue(read.value, kPoint),
                       "%s: own box %s for %s", where.c_str(),
                       w[first + std::size_t(source)].text.c_str(), fuzz::Escaped(value).c_str());
        Recorder comma;
        FUZZ_CHECK(engine::Evaluate(table, source, value, kComma, comma) == status, "%s",
                   where.c_str());
        FUZZ_CHECK(comma.writes.size() == w.size(), "%s", where.c_str());
        for (std::size_t i = 0; i < w.size(); ++i)
            FUZZ_CHECK(w[i].kind == Write::Echo || comma.writes[i].text == WithComma(w[i].text),
                       "%s: comma format wrote %s for %s", where.c_str(),
                       comma.writes[i].text.c_str(), w[i].text.c_str());
    }
}

void CheckPriceRow(const engine::UnitTable& table, int source, std::string_view price,
                   const engine::ReadResult& read)
{
    const int n = int(table.size);
    Recorder sink;
    const engine::EvalStatus status = engine::EvaluatePrice(table, source, price, kPoint, sink);
    const std::string where = std::string(table.caption) + " price row " + std::to_string(source);

    // Finite constants and non-zero divisors: only a price beyond the double
    // range, typed or computed, can stop the row.
    FUZZ_CHECK(status == engine::EvalStatus::Ok || status == engine::EvalStatus::Overflow,
               "%s: status %d for %s", where.c_str(), int(status), fuzz::Escaped(price).c_str());
    const int written = CheckAscending(sink.writes, 0, Write::Price, where.c_str());
    if (!read) FUZZ_CHECK(written == 0, "%s: labels for an unreadable price", where.c_str());
    FUZZ_CHECK((written == n) == (status == engine::EvalStatus::Ok), "%s: %d labels, status %d",
               where.c_str(), written, int(status));
    for (const Write& write : sink.writes) CheckPriceText(write.text, where.c_str());
    if (written >= source && table.PriceRuleAt(source, source).count == 0)
        FUZZ_CHECK(
            sink.writes[std::size_t(source - 1)].text == engine::FormatPrice(read.value, kPoint),
            "%s: own label %s", where.c_str(), sink.writes[std::size_t(source - 1)].text.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return -1;
    const int row = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = input.find('\0');
    const std::string_view value = input.substr(0, split);
    const std::string_view price = split == std::string_view::npos ? "0" : input.substr(split + 1);
    const engine::ReadResult readValue = engine::ReadValue(value);
    const engine::ReadResult readPrice = engine::ReadValue(price);

    for (const engine::UnitTable* table : tables::AllTables()) {
        const int source = row % int(table->size) + 1;
        CheckRow(*table, source, value, readValue);
        if (table->HasPrices()) CheckPriceRow(*table, source, price, readPrice);
    }
    return 0;
}
