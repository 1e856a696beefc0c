// The engine's hot paths: reading a typed value, writing a result, one full
// row of the largest table, as one keystroke in a window runs it, and the unit
// finder's search over every unit, as one keystroke in Find Unit runs it.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "engine/evaluate.h"
#include "engine/price.h"
#include "tables/tables.h"
#include "tables/unit_finder.h"

namespace {

const engine::NumberFormat kFormat{".", ","};

void BM_ReadValue(benchmark::State& state)
{
    const char* texts[] = {"1234.5678", "-17.7777777777778", "1e3", "12abc", "0.000125"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(engine::ReadValue(texts[i++ % 5]));
}
BENCHMARK(BM_ReadValue);

void BM_FormatValue(benchmark::State& state)
{
    const double values[] = {33.8, -17.77777777777778, 1609344.0, 6.213711922e-07, 0.3};
    char buffer[engine::kMaxValueText];
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::FormatValueInto(values[i++ % 5], kFormat, buffer));
}
BENCHMARK(BM_FormatValue);

void BM_FormatValueString(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(engine::FormatValue(-17.77777777777778, kFormat));
}
BENCHMARK(BM_FormatValueString);

struct NullSink : engine::EvalSink, engine::PriceSink {
    std::size_t bytes = 0;
    void Echo(std::string_view text) override { bytes += text.size(); }
    void Result(int, std::string_view text) override { bytes += text.size(); }
    void Price(int, std::string_view text) override { bytes += text.size(); }
};

const engine::UnitTable& Largest()
{
    const auto all = tables::AllTables();
    return **std::max_element(all.begin(), all.end(),
                              [](auto* a, auto* b) { return a->size < b->size; });
}

void BM_EvaluateLargestRow(benchmark::State& state)
{
    const engine::UnitTable& table = Largest();
    state.SetLabel(std::string(table.caption) + ", " + std::to_string(table.size) + " units");
    NullSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::Evaluate(table, 2, "1234.5", kFormat, sink));
    benchmark::DoNotOptimize(sink.bytes);
}
BENCHMARK(BM_EvaluateLargestRow);

void BM_PriceLargestRow(benchmark::State& state)
{
    const auto all = tables::AllTables();
    const engine::UnitTable* table = nullptr;
    for (const auto* t : all)
        if (t->HasPrices() && (!table || t->size > table->size)) table = t;
    if (!table) {
        state.SkipWithError("no table with prices");
        return;
    }
    state.SetLabel(std::string(table->caption));
    NullSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::EvaluatePrice(*table, 2, "2.5", kFormat, sink));
}
BENCHMARK(BM_PriceLargestRow);

// Many rows ("t"), one ("torr"), a value, a target, a plural, none.
constexpr std::string_view kQueries[] = {"t",          "torr",       "760 torr",
                                         "5 km in mi", "cubic feet", "zzqx"};

void BM_FindUnits(benchmark::State& state)
{
    const std::string_view query = kQueries[state.range(0)];
    state.SetLabel(std::string(query));
    for (auto _ : state) benchmark::DoNotOptimize(tables::FindUnits(query));
}
BENCHMARK(BM_FindUnits)->DenseRange(0, std::size(kQueries) - 1);

// Each query typed a character at a time, a search at every keystroke;
// "keystroke" is the mean time of one.
void BM_FindUnitsTyped(benchmark::State& state)
{
    std::size_t keystrokes = 0;
    for (auto _ : state)
        for (std::string_view query : kQueries)
            for (std::size_t n = 1; n <= query.size(); ++n, ++keystrokes)
                benchmark::DoNotOptimize(tables::FindUnits(query.substr(0, n)));
    state.counters["keystroke"] = benchmark::Counter(
        double(keystrokes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FindUnitsTyped);

}  // namespace
