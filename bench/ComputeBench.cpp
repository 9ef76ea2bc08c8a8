// Computing every summary of a return of 100 and of 1,000 13% sources (12 incomes each).
#include "BenchReturns.h"
#include "compute/SvodSum.h"

#include <benchmark/benchmark.h>

using namespace velmar;

namespace {

void BM_Compute(benchmark::State& state) {
    auto d = bench::makeReturnWithSources(static_cast<int>(state.range(0)));
    // Every source counts for the standard deductions, so the monthly table is built too.
    for (size_t i = 0; i < d->Sources13.Count(); ++i)
        d->Sources13.Item(i).StandardBySource = 1;
    d->Standard->Children = 2;
    for (auto _ : state) {
        kTSvodSum svod;
        benchmark::DoNotOptimize(svod.Compute(*d));
        benchmark::DoNotOptimize(svod.List6.Lines.size());
    }
}

} // namespace

BENCHMARK(BM_Compute)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
