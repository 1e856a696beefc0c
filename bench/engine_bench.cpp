#include <benchmark/benchmark.h>

#include "engine/value_text.h"

static void BM_ReadValue(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(engine::ReadValue("1234.5678"));
}
BENCHMARK(BM_ReadValue);
