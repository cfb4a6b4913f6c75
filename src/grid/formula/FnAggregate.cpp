// FnAggregate.cpp - functions over lists of values and blocks: sums, extremes, averages,
// counts and the spread of samples.
//
// Blocks contribute only their numbers (texts, booleans and empty cells are skipped) while
// values given directly are converted ("3" and TRUE count, "abc" is #VALUE!). An error
// anywhere is the result.
#include <algorithm>
#include <cmath>
#include <vector>

#include "grid/formula/Coerce.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/RangeWalk.h"

namespace ovgrid::formula {

namespace {

// Calls visitOne(x) for each number given directly and visitRun(values, count, error) for
// runs of block cells; visitRun skips what is no number and answers false, with `error` set,
// at the first error value.
template <typename VisitOne, typename VisitRun>
bool forEachNumberRun(CallFrame& f, VisitOne visitOne, VisitRun visitRun) {
    for (int i = 0; i < f.count(); ++i) {
        const Operand& o = f.operand(i);
        if (o.isRef()) {
            ErrorCode error = ErrorCode::Value;
            bool ok =
                walkRangeRuns(o.range, f.context(), [&](const Value* const* values, int count) {
                    return visitRun(values, count, error);
                });
            if (!ok) {
                f.error = error;
                return false;
            }
            continue;
        }
        double x = 0.0;
        if (!o.isMissing() && !toNumber(o.value, x, f.error)) {
            return false;
        }
        visitOne(x);
    }
    return true;
}

template <typename Visit>
bool forEachNumber(CallFrame& f, Visit visit) {
    return forEachNumberRun(f, visit, [&](const Value* const* values, int count, ErrorCode& error) {
        for (int i = 0; i < count; ++i) {
            const Value& v = *values[i];
            if (v.isError()) {
                error = v.error;
                return false;
            }
            if (v.isNumber()) {
                visit(v.number);
            }
        }
        return true;
    });
}

// total = step(total, x) for every number, in order. Over a block the total is held in a
// local: written through a reference it would be stored and reloaded for every cell, as a
// cell's number might be the total itself.
template <typename Step>
bool foldNumbers(CallFrame& f, double& total, Step step) {
    return forEachNumberRun(
        f, [&](double x) { total = step(total, x); },
        [&](const Value* const* values, int count, ErrorCode& error) {
            double t = total;
            for (int i = 0; i < count; ++i) {
                const Value& v = *values[i];
                if (v.isError()) {
                    total = t;
                    error = v.error;
                    return false;
                }
                if (v.isNumber()) {
                    t = step(t, v.number);
                }
            }
            total = t;
            return true;
        });
}

bool collect(CallFrame& f, std::vector<double>& values) {
    return forEachNumber(f, [&](double x) { values.push_back(x); });
}

Operand num(double x) {
    return Operand::of(numberOrError(x));
}

Operand fnSum(CallFrame& f) {
    double sum = 0.0;
    if (!foldNumbers(f, sum, [](double total, double x) { return total + x; })) {
        return f.failure();
    }
    return num(sum);
}

Operand fnSumSq(CallFrame& f) {
    double sum = 0.0;
    if (!foldNumbers(f, sum, [](double total, double x) { return total + x * x; })) {
        return f.failure();
    }
    return num(sum);
}

Operand fnProduct(CallFrame& f) {
    double product = 1.0;
    bool any = false;
    if (!forEachNumber(f, [&](double x) {
            product *= x;
            any = true;
        })) {
        return f.failure();
    }
    return num(any ? product : 0.0);
}

template <bool Max>
Operand fnExtreme(CallFrame& f) {
    double best = 0.0;
    bool any = false;
    if (!forEachNumber(f, [&](double x) {
            if (!any || (Max ? x > best : x < best)) {
                best = x;
            }
            any = true;
        })) {
        return f.failure();
    }
    return num(best);
}

Operand fnAverage(CallFrame& f) {
    double sum = 0.0;
    int count = 0;
    if (!forEachNumber(f, [&](double x) {
            sum += x;
            ++count;
        })) {
        return f.failure();
    }
    if (count == 0) {
        return Operand::error(ErrorCode::Div0);
    }
    return num(sum / count);
}

Operand fnMedian(CallFrame& f) {
    std::vector<double> values;
    if (!collect(f, values)) {
        return f.failure();
    }
    if (values.empty()) {
        return Operand::error(ErrorCode::Num);
    }
    std::sort(values.begin(), values.end());
    std::size_t mid = values.size() / 2;
    if (values.size() % 2 == 1) {
        return num(values[mid]);
    }
    return num((values[mid - 1] + values[mid]) / 2.0);
}

// Sample variance; fewer than two values is #DIV/0!.
bool sampleVariance(CallFrame& f, double& variance) {
    std::vector<double> values;
    if (!collect(f, values)) {
        return false;
    }
    if (values.size() < 2) {
        f.error = ErrorCode::Div0;
        return false;
    }
    double mean = 0.0;
    for (double x : values) {
        mean += x;
    }
    mean /= double(values.size());
    double squares = 0.0;
    for (double x : values) {
        squares += (x - mean) * (x - mean);
    }
    variance = squares / double(values.size() - 1);
    return true;
}

Operand fnVar(CallFrame& f) {
    double variance = 0.0;
    if (!sampleVariance(f, variance)) {
        return f.failure();
    }
    return num(variance);
}

Operand fnStdev(CallFrame& f) {
    double variance = 0.0;
    if (!sampleVariance(f, variance)) {
        return f.failure();
    }
    return num(std::sqrt(variance));
}

// COUNT: numbers in blocks; given directly, anything that converts to a number (TRUE, "3").
Operand fnCount(CallFrame& f) {
    double count = 0;
    for (int i = 0; i < f.count(); ++i) {
        const Operand& o = f.operand(i);
        if (o.isRef()) {
            walkRange(o.range, f.context(), [&](const Value& v) {
                count += v.isNumber() ? 1 : 0;
                return true;
            });
            continue;
        }
        double x = 0.0;
        ErrorCode ignored = ErrorCode::Value;
        if (o.isMissing() || (!o.value.isError() && toNumber(o.value, x, ignored))) {
            ++count;
        }
    }
    return num(count);
}

// COUNTA: cells that are not empty (a text "" counts); every value given directly.
Operand fnCountA(CallFrame& f) {
    double count = 0;
    for (int i = 0; i < f.count(); ++i) {
        const Operand& o = f.operand(i);
        if (o.isRef()) {
            walkRange(o.range, f.context(), [&](const Value& v) {
                count += v.isEmpty() ? 0 : 1;
                return true;
            });
            continue;
        }
        ++count;
    }
    return num(count);
}

// COUNTBLANK: empty cells and cells holding an empty text; cells beyond the used extent
// are empty and count without being read.
Operand fnCountBlank(CallFrame& f) {
    const Operand& o = f.operand(0);
    if (!o.isRef()) {
        return Operand::error(ErrorCode::Value);
    }
    double total = double(o.range.col2 - o.range.col1 + 1) * (o.range.row2 - o.range.row1 + 1);
    double filled = 0;
    walkRange(o.range, f.context(), [&](const Value& v) {
        bool blank = v.isEmpty() || (v.isText() && v.text.empty());
        filled += blank ? 0 : 1;
        return true;
    });
    return num(total - filled);
}

constexpr BuiltinFunction kAggregates[] = {
    {L"SUM", 1, 255, fnSum},           {L"SUMSQ", 1, 255, fnSumSq},
    {L"PRODUCT", 1, 255, fnProduct},   {L"MIN", 1, 255, fnExtreme<false>},
    {L"MAX", 1, 255, fnExtreme<true>}, {L"AVERAGE", 1, 255, fnAverage},
    {L"MEDIAN", 1, 255, fnMedian},     {L"COUNT", 1, 255, fnCount},
    {L"COUNTA", 1, 255, fnCountA},     {L"COUNTBLANK", 1, 1, fnCountBlank},
    {L"STDEV", 1, 255, fnStdev},       {L"VAR", 1, 255, fnVar},
};

}  // namespace

BuiltinSpan aggregateFunctions() {
    return {kAggregates, std::size(kAggregates)};
}

}  // namespace ovgrid::formula
