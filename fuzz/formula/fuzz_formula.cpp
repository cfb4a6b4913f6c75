// fuzz_formula.cpp - libFuzzer entry: any bytes as a formula, compiled in both reference
// styles, written back as text, recompiled, copied, edited and evaluated over an empty grid.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grid/formula/Formula.h"

namespace {

class EmptyGrid : public ovgrid::EvalContext {
  public:
    ovgrid::Value cellValue(int, int) override { return ovgrid::Value::empty(); }
    int maxCols() const override { return 30; }
    int maxRows() const override { return 60; }
    const ovgrid::CustomFunction* customFunction(std::wstring_view) const override {
        return nullptr;
    }
};

// Bytes as UTF-8 where they form it; any other byte stands for itself.
std::wstring decode(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i < size; ++i) {
        std::uint8_t b = data[i];
        if (b >= 0xC2 && b < 0xE0 && i + 1 < size && (data[i + 1] & 0xC0) == 0x80) {
            text += wchar_t(((b & 0x1F) << 6) | (data[i + 1] & 0x3F));
            ++i;
        } else {
            text += wchar_t(b);
        }
    }
    return text;
}

void exercise(const std::wstring& text, ovgrid::RefStyle style) {
    EmptyGrid grid;
    auto formula = ovgrid::CompiledFormula::compile(text, style, 3, 5);
    if (!formula) {
        return;
    }
    ovgrid::evaluate(*formula, grid, 3, 5);
    for (ovgrid::RefStyle out : {ovgrid::RefStyle::A1, ovgrid::RefStyle::R1C1}) {
        std::wstring written = formula->toText(out, 3, 5);
        // What the engine writes it must read back.
        if (!ovgrid::CompiledFormula::compile(written, out, 3, 5)) {
            __builtin_trap();
        }
    }
    formula->forEachReference(3, 5, [](const ovgrid::CellRange&) {});
    // Copied to A8, then rows 2-4 deleted (to A5) and two columns inserted at A (to C5).
    ovgrid::CompiledFormula copy = formula->copiedBy(3, 5, -2, 3);
    copy.deleteRows(2, 3, 1, 8);
    copy.insertCols(1, 2, 1, 5);
    ovgrid::evaluate(copy, grid, 3, 5);
    copy.toText(ovgrid::RefStyle::A1, 3, 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text = decode(data, size);
    exercise(text, ovgrid::RefStyle::A1);
    exercise(text, ovgrid::RefStyle::R1C1);
    return 0;
}
