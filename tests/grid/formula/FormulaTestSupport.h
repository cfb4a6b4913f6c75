// FormulaTestSupport.h - a small grid for formula tests: cell values in a map, registered
// functions by name, and helpers to compile and evaluate a formula in one step.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "grid/formula/Formula.h"

namespace ovgrid::test {

class MapContext : public EvalContext {
  public:
    Value cellValue(int col, int row) override {
        ++reads;
        auto it = cells.find({col, row});
        return it == cells.end() ? Value::empty() : it->second;
    }
    int maxCols() const override { return cols; }
    int maxRows() const override { return rows; }
    const CustomFunction* customFunction(std::wstring_view upperName) const override {
        auto it = functions.find(std::wstring(upperName));
        return it == functions.end() ? nullptr : &it->second;
    }

    // "B3" -> (2, 3); test addresses only use one or two letters.
    void set(const std::string& address, Value value) {
        int col = 0;
        std::size_t i = 0;
        while (i < address.size() && std::isalpha(static_cast<unsigned char>(address[i]))) {
            col = col * 26 + (address[i] - 'A' + 1);
            ++i;
        }
        cells[{col, std::stoi(address.substr(i))}] = std::move(value);
    }
    void add(CustomFunction function) { functions[function.name] = std::move(function); }

    std::map<std::pair<int, int>, Value> cells;
    std::map<std::wstring, CustomFunction> functions;
    int cols = 26;
    int rows = 100;
    long reads = 0;
};

inline Value num(double x) {
    return Value::fromNumber(x);
}
inline Value txt(const wchar_t* t) {
    return Value::fromText(t);
}
inline Value boolean(bool b) {
    return Value::fromBool(b);
}
inline Value err(ErrorCode e) {
    return Value::fromError(e);
}

// Compiles and evaluates `text` in cell (col, row); a compile error fails the test.
inline Value eval(MapContext& context, const std::wstring& text, RefStyle style = RefStyle::A1,
                  int col = 8, int row = 10) {
    std::wstring error;
    auto formula = CompiledFormula::compile(text, style, col, row, &error);
    if (!formula) {
        ADD_FAILURE() << "does not compile: " << std::string(text.begin(), text.end());
        return Value::fromError(ErrorCode::Null);
    }
    return evaluate(*formula, context, col, row);
}

inline std::string describe(const Value& v) {
    switch (v.kind) {
        case Value::Kind::Empty:
            return "<empty>";
        case Value::Kind::Number: {
            char buf[64];
            std::snprintf(buf, sizeof(buf), "%.17g", v.number);
            return buf;
        }
        case Value::Kind::Text:
            return "\"" + std::string(v.text.begin(), v.text.end()) + "\"";
        case Value::Kind::Boolean:
            return v.boolean ? "TRUE" : "FALSE";
        case Value::Kind::Error: {
            std::wstring e = errorText(v.error);
            return std::string(e.begin(), e.end());
        }
    }
    return "?";
}

// Numbers compare to 1e-12 relative; everything else exactly.
inline bool sameValue(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) {
        return std::fabs(a.number - b.number) <= 1e-12 * std::max(1.0, std::fabs(b.number));
    }
    return a == b || (a.kind == b.kind && a.kind == Value::Kind::Error && a.error == b.error) ||
           (a.kind == b.kind && a.kind == Value::Kind::Text && a.text == b.text) ||
           (a.kind == b.kind && a.kind == Value::Kind::Boolean && a.boolean == b.boolean);
}

struct FormulaCase {
    const wchar_t* formula;
    Value expected;
};

inline void expectAll(MapContext& context, std::initializer_list<FormulaCase> cases,
                      RefStyle style = RefStyle::A1) {
    for (const FormulaCase& c : cases) {
        Value got = eval(context, c.formula, style);
        std::wstring f = c.formula;
        EXPECT_TRUE(sameValue(got, c.expected))
            << std::string(f.begin(), f.end()) << " gave " << describe(got) << ", expected "
            << describe(c.expected);
    }
}

}  // namespace ovgrid::test
