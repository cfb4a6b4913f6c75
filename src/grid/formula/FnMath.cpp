// FnMath.cpp - arithmetic, rounding and trigonometric functions.
//
// Rounding works on the value first brought to 15 significant digits, so that ROUND(2.675, 2)
// gives 2.68 as in the common spreadsheets although 2.675 is stored slightly below.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/NumberText.h"
#include "base/PowersOfTen.h"
#include "grid/formula/Coerce.h"
#include "grid/formula/FunctionLibrary.h"

namespace ovgrid::formula {

namespace {

Operand num(double x) {
    return Operand::of(numberOrError(x));
}
Operand err(ErrorCode e) {
    return Operand::error(e);
}

enum class RoundMode { Nearest, AwayFromZero, TowardZero };

// Whether bringing y to 15 significant digits may change how it rounds: only when y lies
// within that precision (half a unit of its 15th digit, at most 5e-15 of |y|) of a boundary,
// a half for rounding to nearest, a whole number otherwise. Whole numbers below 1e15 keep
// their value.
bool nearRoundingBoundary(double y, RoundMode mode) {
    const double magnitude = std::fabs(y);
    if (!(magnitude < 1e15)) {
        return true;
    }
    const double fraction = magnitude - std::floor(magnitude);
    if (fraction == 0.0) {
        return false;
    }
    const double distance =
        mode == RoundMode::Nearest ? std::fabs(fraction - 0.5) : std::min(fraction, 1.0 - fraction);
    return distance <= magnitude * 1e-14;
}

double roundDigits(double x, double digitsArg, RoundMode mode) {
    double digits = std::trunc(digitsArg);
    if (digits > 308 || digits < -308) {
        return digits > 0 ? x : 0.0;
    }
    double scale = ovbase::powerOfTen(std::fabs(digits));
    double y = digits >= 0 ? x * scale : x / scale;
    if (!std::isfinite(y)) {
        return x;  // more digits than a double holds: nothing to round
    }
    if (nearRoundingBoundary(y, mode)) {
        y = ovbase::roundToSignificantDigits(y);
    }
    double r = mode == RoundMode::Nearest        ? std::round(y)
               : mode == RoundMode::AwayFromZero ? (y < 0 ? std::floor(y) : std::ceil(y))
                                                 : std::trunc(y);
    return digits >= 0 ? r / scale : r * scale;
}

template <RoundMode Mode>
Operand fnRound(CallFrame& f) {
    double x = 0.0;
    double digits = 0.0;
    if (!f.number(0, x) || !f.number(1, digits)) {
        return f.failure();
    }
    return num(roundDigits(x, digits, Mode));
}

Operand fnTrunc(CallFrame& f) {
    double x = 0.0;
    double digits = 0.0;
    if (!f.number(0, x) || !f.numberOr(1, 0.0, digits)) {
        return f.failure();
    }
    return num(roundDigits(x, digits, RoundMode::TowardZero));
}

// One-argument functions with their domain: false from the check gives #NUM!.
template <double (*Fn)(double), bool (*Valid)(double)>
Operand unary(CallFrame& f) {
    double x = 0.0;
    if (!f.number(0, x)) {
        return f.failure();
    }
    if (!Valid(x)) {
        return err(ErrorCode::Num);
    }
    return num(Fn(x));
}

bool any(double) {
    return true;
}
bool nonNegative(double x) {
    return x >= 0.0;
}
bool positive(double x) {
    return x > 0.0;
}
bool unitInterval(double x) {
    return x >= -1.0 && x <= 1.0;
}

double absolute(double x) {
    return std::fabs(x);
}
double sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}
double integer(double x) {
    return std::floor(x);
}
double squareRoot(double x) {
    return std::sqrt(x);
}
double exponential(double x) {
    return std::exp(x);
}
double naturalLog(double x) {
    return std::log(x);
}
double log10(double x) {
    return std::log10(x);
}
double sine(double x) {
    return std::sin(x);
}
double cosine(double x) {
    return std::cos(x);
}
double tangent(double x) {
    return std::tan(x);
}
double arcSine(double x) {
    return std::asin(x);
}
double arcCosine(double x) {
    return std::acos(x);
}
double arcTangent(double x) {
    return std::atan(x);
}
double sineH(double x) {
    return std::sinh(x);
}
double cosineH(double x) {
    return std::cosh(x);
}
double tangentH(double x) {
    return std::tanh(x);
}
double degrees(double x) {
    return x * 180.0 / std::numbers::pi;
}
double radians(double x) {
    return x * std::numbers::pi / 180.0;
}

// EVEN and ODD round away from zero to the next even or odd integer.
double toParity(double x, bool even) {
    double v = std::ceil(ovbase::roundToSignificantDigits(std::fabs(x)));
    bool isEven = std::fmod(v, 2.0) == 0.0;
    if (isEven != even) {
        v += 1.0;
    }
    return x < 0 ? -v : v;
}
double even(double x) {
    return toParity(x, true);
}
double odd(double x) {
    return toParity(x, false);
}

Operand fnPi(CallFrame&) {
    return num(std::numbers::pi);
}

// CEILING and FLOOR: a negative number with a positive step rounds toward zero (CEILING) or
// away from it (FLOOR); a positive number with a negative step is #NUM!.
template <bool Up>
Operand fnCeilingFloor(CallFrame& f) {
    double x = 0.0;
    double step = 0.0;
    if (!f.number(0, x) || !f.number(1, step)) {
        return f.failure();
    }
    if (x == 0.0) {
        return num(0.0);
    }
    if (x > 0.0 && step < 0.0) {
        return err(ErrorCode::Num);
    }
    if (step == 0.0) {
        return Up ? num(0.0) : err(ErrorCode::Div0);
    }
    double q = ovbase::roundToSignificantDigits(x / step);
    return num((Up ? std::ceil(q) : std::floor(q)) * step);
}

Operand fnMod(CallFrame& f) {
    double n = 0.0;
    double d = 0.0;
    if (!f.number(0, n) || !f.number(1, d)) {
        return f.failure();
    }
    if (d == 0.0) {
        return err(ErrorCode::Div0);
    }
    // The result takes the sign of the divisor.
    return num(n - d * std::floor(n / d));
}

Operand fnPower(CallFrame& f) {
    double x = 0.0;
    double y = 0.0;
    if (!f.number(0, x) || !f.number(1, y)) {
        return f.failure();
    }
    if (x == 0.0 && y == 0.0) {
        return err(ErrorCode::Num);
    }
    if (x == 0.0 && y < 0.0) {
        return err(ErrorCode::Div0);
    }
    if (x < 0.0 && y != std::floor(y)) {
        return err(ErrorCode::Num);
    }
    return num(std::pow(x, y));
}

Operand fnLog(CallFrame& f) {
    double x = 0.0;
    double base = 10.0;
    if (!f.number(0, x) || !f.numberOr(1, 10.0, base)) {
        return f.failure();
    }
    if (x <= 0.0 || base <= 0.0) {
        return err(ErrorCode::Num);
    }
    if (base == 1.0) {
        return err(ErrorCode::Div0);
    }
    return num(std::log(x) / std::log(base));
}

// ATAN2 takes x first, then y.
Operand fnAtan2(CallFrame& f) {
    double x = 0.0;
    double y = 0.0;
    if (!f.number(0, x) || !f.number(1, y)) {
        return f.failure();
    }
    if (x == 0.0 && y == 0.0) {
        return err(ErrorCode::Div0);
    }
    return num(std::atan2(y, x));
}

Operand fnFact(CallFrame& f) {
    double x = 0.0;
    if (!f.number(0, x)) {
        return f.failure();
    }
    x = std::trunc(x);
    if (x < 0.0 || x > 170.0) {
        return err(ErrorCode::Num);
    }
    double result = 1.0;
    for (int i = 2; i <= int(x); ++i) {
        result *= i;
    }
    return num(result);
}

Operand fnCombin(CallFrame& f) {
    double n = 0.0;
    double k = 0.0;
    if (!f.number(0, n) || !f.number(1, k)) {
        return f.failure();
    }
    n = std::trunc(n);
    k = std::trunc(k);
    if (n < 0.0 || k < 0.0 || n < k) {
        return err(ErrorCode::Num);
    }
    k = std::min(k, n - k);
    double result = 1.0;
    // Every factor is at least 1 and the product overflows within about a thousand steps
    // for large k, so the loop stays short.
    for (double i = 1.0; i <= k; i += 1.0) {
        result = result * (n - k + i) / i;
        if (!std::isfinite(result)) {
            return err(ErrorCode::Num);
        }
    }
    return num(std::round(result));
}

constexpr BuiltinFunction kMath[] = {
    {L"ABS", 1, 1, unary<absolute, any>},
    {L"SIGN", 1, 1, unary<sign, any>},
    {L"INT", 1, 1, unary<integer, any>},
    {L"TRUNC", 1, 2, fnTrunc},
    {L"ROUND", 2, 2, fnRound<RoundMode::Nearest>},
    {L"ROUNDUP", 2, 2, fnRound<RoundMode::AwayFromZero>},
    {L"ROUNDDOWN", 2, 2, fnRound<RoundMode::TowardZero>},
    {L"CEILING", 2, 2, fnCeilingFloor<true>},
    {L"FLOOR", 2, 2, fnCeilingFloor<false>},
    {L"MOD", 2, 2, fnMod},
    {L"POWER", 2, 2, fnPower},
    {L"SQRT", 1, 1, unary<squareRoot, nonNegative>},
    {L"EXP", 1, 1, unary<exponential, any>},
    {L"LN", 1, 1, unary<naturalLog, positive>},
    {L"LOG", 1, 2, fnLog},
    {L"LOG10", 1, 1, unary<log10, positive>},
    {L"PI", 0, 0, fnPi},
    {L"SIN", 1, 1, unary<sine, any>},
    {L"COS", 1, 1, unary<cosine, any>},
    {L"TAN", 1, 1, unary<tangent, any>},
    {L"ASIN", 1, 1, unary<arcSine, unitInterval>},
    {L"ACOS", 1, 1, unary<arcCosine, unitInterval>},
    {L"ATAN", 1, 1, unary<arcTangent, any>},
    {L"ATAN2", 2, 2, fnAtan2},
    {L"SINH", 1, 1, unary<sineH, any>},
    {L"COSH", 1, 1, unary<cosineH, any>},
    {L"TANH", 1, 1, unary<tangentH, any>},
    {L"DEGREES", 1, 1, unary<degrees, any>},
    {L"RADIANS", 1, 1, unary<radians, any>},
    {L"EVEN", 1, 1, unary<even, any>},
    {L"ODD", 1, 1, unary<odd, any>},
    {L"FACT", 1, 1, fnFact},
    {L"COMBIN", 2, 2, fnCombin},
};

}  // namespace

BuiltinSpan mathFunctions() {
    return {kMath, std::size(kMath)};
}

}  // namespace ovgrid::formula
