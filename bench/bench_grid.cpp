// bench_grid.cpp - grid engine throughput: building and recalculating formula sheets,
// automatic recalculation of a block of range formulas, and .ovs save/load of a
// million-cell sheet (with the process's peak memory as a counter).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "grid/Grid.h"

using namespace ovgrid;

namespace {

constexpr int kChainRows = 10000;

// Peak resident memory of the process in MB (VmHWM).
double peakMemoryMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

// Three arithmetic formulas per row, each reading the row above.
void buildChain(Grid& g) {
    g.setMaxCols(4);
    g.setMaxRows(kChainRows);
    g.setBool(kPropAutoCalc, false);
    g.setCellNumber(1, 1, 1);
    g.setCellNumber(2, 1, 2);
    g.setCellNumber(3, 1, 3);
    for (int r = 2; r <= kChainRows; ++r) {
        std::wstring above = std::to_wstring(r - 1);
        g.setFormula(1, r, L"A" + above + L"+B" + above + L"*0.5", false);
        g.setFormula(2, r, L"B" + above + L"-C" + above + L"/3", false);
        g.setFormula(3, r, L"(A" + above + L"+C" + above + L")/2", false);
    }
}

void BM_ChainBuild(benchmark::State& state) {
    for (auto _ : state) {
        Grid g;
        buildChain(g);
        benchmark::DoNotOptimize(g.cells().size());
    }
    state.SetItemsProcessed(state.iterations() * (kChainRows - 1) * 3);
}
BENCHMARK(BM_ChainBuild)->Unit(benchmark::kMillisecond);

void BM_ChainRecalculate(benchmark::State& state) {
    Grid g;
    buildChain(g);
    for (auto _ : state) {
        g.recalculateAll();
    }
    state.SetItemsProcessed(state.iterations() * (kChainRows - 1) * 3);
}
BENCHMARK(BM_ChainRecalculate)->Unit(benchmark::kMillisecond);

// 1000 rows x 100 columns; every cell sums the 100 cells of the row above.
void buildBlock(Grid& g) {
    g.setMaxCols(100);
    g.setMaxRows(1001);
    g.setBool(kPropAutoCalc, true);
    for (int c = 1; c <= 100; ++c) {
        g.setCellNumber(c, 1, 1);
    }
    for (int r = 2; r <= 1001; ++r) {
        std::wstring above = std::to_wstring(r - 1);
        std::wstring formula = L"SUM(A" + above + L":CV" + above + L")/100";
        for (int c = 1; c <= 100; ++c) {
            g.setFormula(c, r, formula, false);
        }
    }
}

void BM_RangeBlockBuildAuto(benchmark::State& state) {
    for (auto _ : state) {
        Grid g;
        buildBlock(g);
        benchmark::DoNotOptimize(g.cells().size());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_RangeBlockBuildAuto)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RangeBlockOneChange(benchmark::State& state) {
    Grid g;
    buildBlock(g);
    double v = 1;
    for (auto _ : state) {
        g.setCellNumber(1, 1, v += 1);  // every formula below depends on it
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_RangeBlockOneChange)->Unit(benchmark::kMillisecond);

std::filesystem::path bigSheetPath() {
    return std::filesystem::temp_directory_path() / "ovss-bench-grid-1m.ovs";
}

// 1,000,000 cells: 1000 rows x 1000 columns of numbers and texts.
void writeBigSheet() {
    Grid g;
    g.setMaxCols(1000);
    g.setMaxRows(1000);
    g.setBool(kPropAutoCalc, false);
    for (int r = 1; r <= 1000; ++r) {
        for (int c = 1; c <= 1000; ++c) {
            if (c % 4 == 0) {
                g.setValue(c, r, L"text " + std::to_wstring(c));
            } else {
                g.setCellNumber(c, r, r * 0.25 + c);
            }
        }
    }
    g.saveToFile(bigSheetPath());
}

void BM_SaveMillionCells(benchmark::State& state) {
    Grid g;
    g.setMaxCols(1000);
    g.setMaxRows(1000);
    for (int r = 1; r <= 1000; ++r) {
        for (int c = 1; c <= 1000; ++c) {
            g.setCellNumber(c, r, r * 0.25 + c);
        }
    }
    for (auto _ : state) {
        g.saveToFile(bigSheetPath());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
    state.counters["peakMB"] = peakMemoryMb();
}
BENCHMARK(BM_SaveMillionCells)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_LoadMillionCells(benchmark::State& state) {
    writeBigSheet();
    for (auto _ : state) {
        Grid g;
        if (!g.loadFromFile(bigSheetPath())) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(g.cells().size());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
    state.counters["peakMB"] = peakMemoryMb();
    std::filesystem::remove(bigSheetPath());
}
BENCHMARK(BM_LoadMillionCells)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
