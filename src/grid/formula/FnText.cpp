// FnText.cpp - text functions. Positions count from 1; CHAR and CODE use the Windows-1252
// character set for codes 128 to 255, as the spreadsheets on Windows do.
#include <cmath>
#include <string>

#include "base/CaseFolding.h"
#include "base/NumberText.h"
#include "base/PowersOfTen.h"
#include "grid/formula/Coerce.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/Wildcard.h"

namespace ovgrid::formula {

namespace {

constexpr std::size_t kMaxTextLength = 32767;

Operand text(std::wstring t) {
    return Operand::text(std::move(t));
}
Operand valueError() {
    return Operand::error(ErrorCode::Value);
}

// A count or position argument, truncated; false with #VALUE! below `minimum`.
bool whole(CallFrame& f, int i, double fallback, double minimum, double& out) {
    if (!f.numberOr(i, fallback, out)) {
        return false;
    }
    out = std::trunc(out);
    if (out < minimum) {
        f.error = ErrorCode::Value;
        return false;
    }
    return true;
}

std::size_t clampSize(double x) {
    return x > 1e9 ? std::size_t(1e9) : std::size_t(x);
}

Operand fnConcatenate(CallFrame& f) {
    std::wstring out;
    for (int i = 0; i < f.count(); ++i) {
        std::wstring part;
        if (!f.text(i, part)) {
            return f.failure();
        }
        out += part;
        if (out.size() > kMaxTextLength) {
            return valueError();
        }
    }
    return text(std::move(out));
}

template <bool FromLeft>
Operand fnLeftRight(CallFrame& f) {
    std::wstring s;
    double n = 0.0;
    if (!f.text(0, s) || !whole(f, 1, 1.0, 0.0, n)) {
        return f.failure();
    }
    std::size_t count = std::min(clampSize(n), s.size());
    return text(FromLeft ? s.substr(0, count) : s.substr(s.size() - count));
}

Operand fnMid(CallFrame& f) {
    std::wstring s;
    double start = 0.0;
    double n = 0.0;
    if (!f.text(0, s) || !whole(f, 1, 1.0, 1.0, start) || !whole(f, 2, 0.0, 0.0, n)) {
        return f.failure();
    }
    std::size_t from = clampSize(start) - 1;
    if (from >= s.size()) {
        return text(L"");
    }
    return text(s.substr(from, clampSize(n)));
}

Operand fnLen(CallFrame& f) {
    std::wstring s;
    if (!f.text(0, s)) {
        return f.failure();
    }
    return Operand::number(double(s.size()));
}

bool isLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) || c > 0xFF;
}

template <wchar_t (*Map)(wchar_t)>
Operand fnMapCase(CallFrame& f) {
    std::wstring s;
    if (!f.text(0, s)) {
        return f.failure();
    }
    for (wchar_t& c : s) {
        c = Map(c);
    }
    return text(std::move(s));
}

// PROPER: a letter that follows a non-letter (digits and punctuation included) is upper case,
// every other letter lower case.
Operand fnProper(CallFrame& f) {
    std::wstring s;
    if (!f.text(0, s)) {
        return f.failure();
    }
    bool afterLetter = false;
    for (wchar_t& c : s) {
        if (isLetter(c)) {
            c = afterLetter ? ovbase::toLowerChar(c) : ovbase::toUpperChar(c);
            afterLetter = true;
        } else {
            afterLetter = false;
        }
    }
    return text(std::move(s));
}

// TRIM: no blanks at either end, and single blanks between words.
Operand fnTrim(CallFrame& f) {
    std::wstring s;
    if (!f.text(0, s)) {
        return f.failure();
    }
    std::wstring out;
    bool pendingBlank = false;
    for (wchar_t c : s) {
        if (c == L' ') {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out += L' ';
            pendingBlank = false;
        }
        out += c;
    }
    return text(std::move(out));
}

Operand fnClean(CallFrame& f) {
    std::wstring s;
    if (!f.text(0, s)) {
        return f.failure();
    }
    std::wstring out;
    for (wchar_t c : s) {
        if (c >= 32) {
            out += c;
        }
    }
    return text(std::move(out));
}

Operand fnValue(CallFrame& f) {
    Value v = f.value(0);
    if (v.isError()) {
        return Operand::error(v.error);
    }
    if (v.isNumber() || v.isEmpty()) {
        return Operand::number(v.isNumber() ? v.number : 0.0);
    }
    if (v.isText()) {
        if (auto x = ovbase::parseNumberText(v.text, ovbase::PercentSign::Accepted)) {
            return Operand::number(*x);
        }
    }
    return valueError();
}

// FIND is case-sensitive without wildcards; SEARCH ignores case and knows ? * ~.
template <bool Search>
Operand fnFind(CallFrame& f) {
    std::wstring needle;
    std::wstring haystack;
    double start = 1.0;
    if (!f.text(0, needle) || !f.text(1, haystack) || !whole(f, 2, 1.0, 1.0, start)) {
        return f.failure();
    }
    if (start > double(haystack.size()) + 1) {
        return valueError();
    }
    std::size_t from = std::size_t(start) - 1;
    if (Search) {
        long at = wildcardSearch(needle, haystack, from);
        return at < 0 ? valueError() : Operand::number(double(at + 1));
    }
    std::size_t at = haystack.find(needle, from);
    return at == std::wstring::npos ? valueError() : Operand::number(double(at + 1));
}

Operand fnSubstitute(CallFrame& f) {
    std::wstring s;
    std::wstring from;
    std::wstring to;
    double instance = 0.0;
    if (!f.text(0, s) || !f.text(1, from) || !f.text(2, to) ||
        (f.count() > 3 && !whole(f, 3, 0.0, 1.0, instance))) {
        return f.failure();
    }
    if (from.empty()) {
        return text(std::move(s));
    }
    std::wstring out;
    std::size_t pos = 0;
    double seen = 0;
    while (true) {
        std::size_t at = s.find(from, pos);
        if (at == std::wstring::npos) {
            break;
        }
        ++seen;
        out.append(s, pos, at - pos);
        out += (f.count() < 4 || seen == instance) ? to : from;
        pos = at + from.size();
        if (out.size() > kMaxTextLength) {
            return valueError();
        }
    }
    out.append(s, pos);
    return text(std::move(out));
}

Operand fnReplace(CallFrame& f) {
    std::wstring s;
    double start = 0.0;
    double n = 0.0;
    std::wstring insert;
    if (!f.text(0, s) || !whole(f, 1, 1.0, 1.0, start) || !whole(f, 2, 0.0, 0.0, n) ||
        !f.text(3, insert)) {
        return f.failure();
    }
    std::size_t from = std::min(clampSize(start) - 1, s.size());
    std::size_t count = std::min(clampSize(n), s.size() - from);
    s.replace(from, count, insert);
    return s.size() > kMaxTextLength ? valueError() : text(std::move(s));
}

Operand fnRept(CallFrame& f) {
    std::wstring s;
    double n = 0.0;
    if (!f.text(0, s) || !whole(f, 1, 0.0, 0.0, n)) {
        return f.failure();
    }
    if (s.empty() || n == 0.0) {
        return text(L"");
    }
    if (n * double(s.size()) > double(kMaxTextLength)) {
        return valueError();
    }
    std::wstring out;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        out += s;
    }
    return text(std::move(out));
}

Operand fnExact(CallFrame& f) {
    std::wstring a;
    std::wstring b;
    if (!f.text(0, a) || !f.text(1, b)) {
        return f.failure();
    }
    return Operand::boolean(a == b);
}

// Windows-1252 codes 128..159; the five unused codes stand for themselves.
constexpr wchar_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

Operand fnChar(CallFrame& f) {
    double n = 0.0;
    if (!f.number(0, n)) {
        return f.failure();
    }
    n = std::trunc(n);
    if (n < 1.0 || n > 255.0) {
        return valueError();
    }
    int code = int(n);
    wchar_t c = code >= 128 && code < 160 ? kCp1252High[code - 128] : wchar_t(code);
    return text(std::wstring(1, c));
}

Operand fnCode(CallFrame& f) {
    std::wstring s;
    if (!f.text(0, s)) {
        return f.failure();
    }
    if (s.empty()) {
        return valueError();
    }
    wchar_t c = s[0];
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c) {
            return Operand::number(128 + i);
        }
    }
    if (c < 128 || (c >= 160 && c <= 255)) {
        return Operand::number(double(c));
    }
    return Operand::number(63);  // "?": no Windows-1252 code for this character
}

// FIXED: rounded to `decimals` (left of the point when negative), with thousands
// separators unless the third argument is TRUE.
Operand fnFixed(CallFrame& f) {
    double x = 0.0;
    double decimals = 2.0;
    bool noCommas = false;
    if (!f.number(0, x) || !f.numberOr(1, 2.0, decimals) || !f.booleanOr(2, false, noCommas)) {
        return f.failure();
    }
    decimals = std::trunc(decimals);
    if (decimals > 127.0) {
        return valueError();
    }
    if (decimals < -308.0) {
        decimals = -308.0;
    }
    double scale = ovbase::powerOfTen(std::fabs(decimals));
    double y = ovbase::roundToSignificantDigits(decimals >= 0 ? x * scale : x / scale);
    double rounded =
        std::isfinite(y) ? (decimals >= 0 ? std::round(y) / scale : std::round(y) * scale) : x;
    int places = decimals > 0 ? int(decimals) : 0;
    // Locale-independent: "%.*f" would write a decimal comma under a German locale.
    const std::wstring digits = ovbase::fixedNumberText(std::fabs(rounded), places);
    const std::size_t point = digits.find(L'.');
    const std::wstring integerPart = digits.substr(0, point);
    const std::wstring fraction = point == std::wstring::npos ? L"" : digits.substr(point);
    std::wstring grouped = rounded < 0 ? L"-" : L"";
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        if (!noCommas && i > 0 && (integerPart.size() - i) % 3 == 0) {
            grouped += L',';
        }
        grouped += integerPart[i];
    }
    return text(grouped + fraction);
}

constexpr BuiltinFunction kText[] = {
    {L"CONCATENATE", 1, 255, fnConcatenate},
    {L"LEFT", 1, 2, fnLeftRight<true>},
    {L"RIGHT", 1, 2, fnLeftRight<false>},
    {L"MID", 3, 3, fnMid},
    {L"LEN", 1, 1, fnLen},
    {L"UPPER", 1, 1, fnMapCase<ovbase::toUpperChar>},
    {L"LOWER", 1, 1, fnMapCase<ovbase::toLowerChar>},
    {L"PROPER", 1, 1, fnProper},
    {L"TRIM", 1, 1, fnTrim},
    {L"CLEAN", 1, 1, fnClean},
    {L"VALUE", 1, 1, fnValue},
    {L"FIND", 2, 3, fnFind<false>},
    {L"SEARCH", 2, 3, fnFind<true>},
    {L"SUBSTITUTE", 3, 4, fnSubstitute},
    {L"REPLACE", 4, 4, fnReplace},
    {L"REPT", 2, 2, fnRept},
    {L"EXACT", 2, 2, fnExact},
    {L"CHAR", 1, 1, fnChar},
    {L"CODE", 1, 1, fnCode},
    {L"FIXED", 1, 3, fnFixed},
};

}  // namespace

BuiltinSpan textFunctions() {
    return {kText, std::size(kText)};
}

}  // namespace ovgrid::formula
