// bench_formula.cpp - speed of the formula engine: compiling typical formulas and
// evaluating simple arithmetic over a grid (goals: 2 million compiles/s, 20 million
// evaluations/s).
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "grid/formula/Formula.h"

namespace {

using namespace ovgrid;

// A dense grid in a flat vector, as cheap to read as a real sheet can be.
class DenseContext : public EvalContext {
  public:
    DenseContext() : cells_(std::size_t(kCols) * kRows) {
        for (int r = 1; r <= kRows; ++r) {
            for (int c = 1; c <= kCols; ++c) {
                cells_[index(c, r)] = Value::fromNumber(c * 0.5 + r);
            }
        }
    }
    Value cellValue(int col, int row) override {
        if (col < 1 || row < 1 || col > kCols || row > kRows) {
            return Value::empty();
        }
        return cells_[index(col, row)];
    }
    int maxCols() const override { return kCols; }
    int maxRows() const override { return kRows; }
    const CustomFunction* customFunction(std::wstring_view) const override { return nullptr; }

  private:
    static constexpr int kCols = 26;
    static constexpr int kRows = 200;
    static std::size_t index(int col, int row) { return std::size_t(row - 1) * kCols + (col - 1); }
    std::vector<Value> cells_;
};

const std::array<const wchar_t*, 8> kTypical = {
    L"=A1+B2*2",
    L"=SUM(A1:A10)/COUNT(A1:A10)",
    L"=IF(A1>10,\"big\",\"small\")",
    L"=ROUND(B3*1.05,2)",
    L"=$C$1*D4-E5/2",
    L"=MAX(A1,B1,C1)+MIN(A2:C2)",
    L"=VLOOKUP(A1,A1:D20,3,FALSE)",
    L"=A7*0.5+ABS(B7-C7)",
};

void BM_CompileTypicalFormulas(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        auto formula = CompiledFormula::compile(kTypical[i], RefStyle::A1, 8, 10);
        benchmark::DoNotOptimize(formula);
        i = (i + 1) % kTypical.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompileTypicalFormulas);

void evaluateLoop(benchmark::State& state, const wchar_t* text) {
    DenseContext context;
    auto formula = CompiledFormula::compile(text, RefStyle::A1, 8, 10);
    for (auto _ : state) {
        Value v = evaluate(*formula, context, 8, 10);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateSimpleArithmetic(benchmark::State& state) {
    evaluateLoop(state, L"=A1+B2*2");
}
BENCHMARK(BM_EvaluateSimpleArithmetic);

void BM_EvaluateConstantArithmetic(benchmark::State& state) {
    evaluateLoop(state, L"=(1.5+2)*3-4/8");
}
BENCHMARK(BM_EvaluateConstantArithmetic);

void BM_EvaluateSumOfBlock(benchmark::State& state) {
    evaluateLoop(state, L"=SUM(A1:J10)");  // 100 cells per evaluation
}
BENCHMARK(BM_EvaluateSumOfBlock);

void BM_EvaluateTextAndLogic(benchmark::State& state) {
    evaluateLoop(state, L"=IF(A1>1,UPPER(\"ok\")&B1,\"no\")");
}
BENCHMARK(BM_EvaluateTextAndLogic);

}  // namespace

BENCHMARK_MAIN();
