// Exporting a return of 1,000 13% sources (12 incomes each): the computation,
// the document and its Windows-1251 text (as printing gets it), and the file
// saved into a folder. Goal: under 30 ms.
#include "BenchReturns.h"

#include "export/ExportDeclarationXml.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <unistd.h>

using namespace velmar;

namespace {

class FailOnMessage : public ExportReporter {
public:
    void message(const std::string& text) override { throw std::runtime_error(text); }
};

void BM_ExportText(benchmark::State& state) {
    auto d = bench::makeReturnWithSources(static_cast<int>(state.range(0)));
    FailOnMessage reporter;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = ExportDeclarationXml({}, *d, kExportText, reporter);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ExportFile(benchmark::State& state) {
    auto d = bench::makeReturnWithSources(static_cast<int>(state.range(0)));
    const auto folder = std::filesystem::temp_directory_path() / ("velmar-bench-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    FailOnMessage reporter;
    for (auto _ : state) {
        const std::string name = ExportDeclarationXml(folder, *d, kExportSaveFile, reporter);
        state.PauseTiming();
        std::filesystem::remove(folder / name);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_ExportText)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFile)->Arg(1000)->Unit(benchmark::kMillisecond);
