// bench_tree.cpp - folding and unfolding the top row of a 10,000-row tree grid (one sheet with
// 100 parts of 99 pieces each), as a click on its mark does.
#include <benchmark/benchmark.h>

#include "spread/HeadlessGridHost.h"
#include "spread/tree/OvTreeSpread.h"

namespace {

constexpr int kGridId = 1196;

void BM_TreeFoldTopRow(benchmark::State& state) {
    HeadlessGridHost host({0, 0, 800, 600});
    host.addControl(kGridId, {0, 0, 400, 400});
    OvTreeSpread tree;
    tree.create(&host, kGridId, true);
    tree.setTreeLook(2, 3, nullptr, false);
    const int top = tree.addItem({L"Sheet", L"0"});
    for (int p = 0; p < 100; ++p) {
        const int part = tree.addChild(top, {L"Part", L"0"});
        for (int piece = 0; piece < 99; ++piece) {
            tree.addChild(part, {L"Piece", L"0"});
        }
    }
    tree.finishTree();
    if (tree.getMaxRows() != 10001) {
        state.SkipWithError("the tree was not built");
        return;
    }
    for (auto _ : state) {
        tree.onCellClicked(2, top);  // fold
        tree.onCellClicked(2, top);  // unfold
    }
    state.SetLabel("fold + unfold of 10,000 rows");
}
BENCHMARK(BM_TreeFoldTopRow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
