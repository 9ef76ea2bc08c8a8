// Saving and loading a return of 100 and of 1,000 13% sources (12 incomes each).
#include "BenchReturns.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace velmar;

namespace {

std::string benchPath() {
    return (std::filesystem::temp_directory_path() / ("velmar-bench-" + std::to_string(::getpid()) + ".vx5")).string();
}

void BM_Save(benchmark::State& state) {
    auto d = bench::makeReturnWithSources(static_cast<int>(state.range(0)));
    const std::string path = benchPath();
    for (auto _ : state)
        d->SaveToFile(path);
    state.counters["bytes"] = static_cast<double>(d->SavedSize());
    std::remove(path.c_str());
}

void BM_Load(benchmark::State& state) {
    auto d = bench::makeReturnWithSources(static_cast<int>(state.range(0)));
    const std::string path = benchPath();
    d->SaveToFile(path);
    for (auto _ : state) {
        mTDeclaration loaded;
        loaded.LoadFromFile(path);
        benchmark::DoNotOptimize(loaded.Sources13.Count());
    }
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(BM_Save)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
