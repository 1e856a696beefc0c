// The desktop search's answer to one query, as the service computes it for
// every keystroke in GNOME Shell's overview or KRunner: splitting the query,
// finding the units, evaluating the rows and ordering the results.
#include <benchmark/benchmark.h>

#include "search/answers.h"

namespace {

const engine::NumberFormat kFormat{".", ","};

void BM_Answers(benchmark::State& state, const char* query)
{
    for (auto _ : state) benchmark::DoNotOptimize(search::Answers(query, kFormat));
}
BENCHMARK_CAPTURE(BM_Answers, every_unit, "5 km");
BENCHMARK_CAPTURE(BM_Answers, target, "5 km in mi");
BENCHMARK_CAPTURE(BM_Answers, shared_name, "5 oz");
BENCHMARK_CAPTURE(BM_Answers, words, "hello world");

void BM_AnswerFor(benchmark::State& state)
{
    const std::optional<search::Conversion> conversion =
        search::ReadAnswerId("Distance/9/10/5", kFormat);
    for (auto _ : state) benchmark::DoNotOptimize(search::AnswerFor(*conversion, kFormat));
}
BENCHMARK(BM_AnswerFor);

}  // namespace
