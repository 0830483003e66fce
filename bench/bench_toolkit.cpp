// Speed of the toolkit routines every calculation leans on.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

using namespace corvana::toolkit;

namespace {

// A 480-row × 34-column index table, like forty years of monthly savings yields.
StringGrid indexTable() {
    StringGrid g(34, 480);
    for (int c = 0; c < 34; ++c) g.setCell(c, 0, "Coluna " + std::to_string(c));
    for (int r = 1; r < 480; ++r) {
        g.setCell(0, r, "01/" + std::to_string(1987 + r / 12));
        for (int c = 1; c < 34; ++c) g.setCell(c, r, formatfloatx("#,##0.000000", r * 0.0137L + c));
    }
    return g;
}

const std::filesystem::path& tablePath() {
    static const std::filesystem::path p = [] {
        auto path = std::filesystem::temp_directory_path() / "corvana-bench-poupanca.tab";
        SaveToFile(path, indexTable());
        return path;
    }();
    return p;
}

// A command reloading the shared index grid: cleared, 2 rows and 1 column, then loaded.
void BM_LoadIndexTable(benchmark::State& state) {
    const auto& path = tablePath();
    StringGrid g(1, 2);
    for (auto _ : state) {
        g.clear();
        g.setRowCount(2);
        g.setColCount(1);
        LoadFromFile(path, g);
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(BM_LoadIndexTable)->Unit(benchmark::kMicrosecond);

// The same into a brand-new grid each time (allocation and page faults included).
void BM_LoadIndexTableFreshGrid(benchmark::State& state) {
    const auto& path = tablePath();
    for (auto _ : state) {
        StringGrid g(1, 2);
        LoadFromFile(path, g);
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(BM_LoadIndexTableFreshGrid)->Unit(benchmark::kMicrosecond);

void BM_SaveIndexTable(benchmark::State& state) {
    const StringGrid g = indexTable();
    const auto path = std::filesystem::temp_directory_path() / "corvana-bench-save.tab";
    for (auto _ : state) SaveToFile(path, g);
}
BENCHMARK(BM_SaveIndexTable)->Unit(benchmark::kMicrosecond);

void BM_Formatfloatx(benchmark::State& state) {
    long double v = 1234.565L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatfloatx("#,##0.00", v));
        v += 0.01L;
    }
}
BENCHMARK(BM_Formatfloatx);

void BM_RemovePonto(benchmark::State& state) {
    const std::string text = "1.234.567,89";
    for (auto _ : state) benchmark::DoNotOptimize(RemovePonto(RemovePontoVariant::Strict, text));
}
BENCHMARK(BM_RemovePonto);

}  // namespace
