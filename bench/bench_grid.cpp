// bench_grid.cpp - grid engine throughput: building, recalculating, changing and loading a
// chained formula sheet (10k and 100k rows) and its heap bytes per formula cell; a block of
// range formulas changed at its top and recalculated whole; .ovs save/load of a
// million-cell sheet (with the process's peak memory as a counter).
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "grid/Grid.h"

using namespace ovgrid;

namespace {

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

// Bytes currently allocated from the heap.
double heapBytes() {
    return static_cast<double>(mallinfo2().uordblks);
}

// The chained sheet: numbers in row 1, then three formulas a row, each reading the row
// above or its own row: A = A(above)+1, B = A*2, C = B+C(above)/3.
void buildChain(Grid& g, int rows, bool autoCalc) {
    g.setMaxCols(4);
    g.setMaxRows(rows);
    g.setBool(kPropAutoCalc, false);
    g.setCellNumber(1, 1, 1);
    g.setCellNumber(2, 1, 2);
    g.setCellNumber(3, 1, 3);
    for (int r = 2; r <= rows; ++r) {
        std::wstring above = std::to_wstring(r - 1);
        std::wstring here = std::to_wstring(r);
        g.setFormula(1, r, L"A" + above + L"+1", false);
        g.setFormula(2, r, L"A" + here + L"*2", false);
        g.setFormula(3, r, L"B" + here + L"+C" + above + L"/3", false);
    }
    g.recalculateAll();
    g.setBool(kPropAutoCalc, autoCalc);
}

std::int64_t chainFormulas(int rows) {
    return 3LL * (rows - 1);
}

void BM_ChainBuild(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Grid g;
        buildChain(g, rows, false);
        benchmark::DoNotOptimize(g.cells().size());
    }
    state.SetItemsProcessed(state.iterations() * chainFormulas(rows));
}
BENCHMARK(BM_ChainBuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ChainRecalculate(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Grid g;
    buildChain(g, rows, false);
    for (auto _ : state) {
        g.recalculateAll();
    }
    state.SetItemsProcessed(state.iterations() * chainFormulas(rows));
}
BENCHMARK(BM_ChainRecalculate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Automatic calculation: every formula of the chain depends on A1.
void BM_ChainChangeA1(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Grid g;
    buildChain(g, rows, true);
    double v = 1;
    for (auto _ : state) {
        g.setCellNumber(1, 1, v += 1);
    }
    state.SetItemsProcessed(state.iterations() * chainFormulas(rows));
}
BENCHMARK(BM_ChainChangeA1)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Heap bytes held per formula cell of the 100k-row chain (cells, compiled formulas and the
// dependency index together).
void BM_ChainMemoryPerFormula(benchmark::State& state) {
    const int rows = 100000;
    double perFormula = 0;
    for (auto _ : state) {
        double before = heapBytes();
        auto g = std::make_unique<Grid>();
        buildChain(*g, rows, false);
        perFormula = (heapBytes() - before) / static_cast<double>(chainFormulas(rows));
        benchmark::DoNotOptimize(g->cells().size());
    }
    state.counters["bytesPerFormula"] = perFormula;
}
BENCHMARK(BM_ChainMemoryPerFormula)->Unit(benchmark::kMillisecond)->Iterations(1);

std::filesystem::path chainSheetPath(int rows) {
    return std::filesystem::temp_directory_path() /
           ("ovss-bench-chain-" + std::to_string(rows) + ".ovs");
}

// Loading the chain's .ovs file: parsing, compiling every formula, indexing and
// calculating it.
void BM_ChainLoad(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    {
        Grid g;
        buildChain(g, rows, false);
        g.saveToFile(chainSheetPath(rows));
    }
    const auto bytes = static_cast<double>(std::filesystem::file_size(chainSheetPath(rows)));
    for (auto _ : state) {
        Grid g;
        if (!g.loadFromFile(chainSheetPath(rows))) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(g.cells().size());
    }
    state.SetItemsProcessed(state.iterations() * chainFormulas(rows));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    std::filesystem::remove(chainSheetPath(rows));
}
BENCHMARK(BM_ChainLoad)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

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

void BM_RangeBlockRecalculate(benchmark::State& state) {
    Grid g;
    buildBlock(g);
    for (auto _ : state) {
        g.recalculateAll();
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_RangeBlockRecalculate)->Unit(benchmark::kMillisecond);

// Typing 100,000 numbers into a sheet with automatic calculation and one formula that reads
// none of them: each entry must cost the same however many cells the sheet already holds.
void BM_EnterNumbersAutomatic(benchmark::State& state) {
    for (auto _ : state) {
        Grid g;
        g.setMaxCols(102);
        g.setMaxRows(1000);
        g.setFormula(102, 1, L"CW1*2", false);  // column 101, left empty
        for (int r = 1; r <= 1000; ++r) {
            for (int c = 1; c <= 100; ++c) {
                g.setCellNumber(c, r, r + c);
            }
        }
        benchmark::DoNotOptimize(g.cells().size());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_EnterNumbersAutomatic)->Unit(benchmark::kMillisecond);

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
