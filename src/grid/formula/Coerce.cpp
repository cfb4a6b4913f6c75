// Coerce.cpp - conversions between value kinds, number text in both directions and the
// ordering of values.
#include "grid/formula/Coerce.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ovgrid::formula {

wchar_t foldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') {
        return wchar_t(c - 32);
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return wchar_t(c - 32);
    }
    return c;
}

bool equalsNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

int compareNoCase(std::wstring_view a, std::wstring_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        wchar_t x = foldCase(a[i]);
        wchar_t y = foldCase(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool parseNumberText(std::wstring_view text, double& out) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == L' ' || text[begin] == L'\t')) {
        ++begin;
    }
    while (end > begin && (text[end - 1] == L' ' || text[end - 1] == L'\t')) {
        --end;
    }
    bool percent = false;
    if (end > begin && text[end - 1] == L'%') {
        percent = true;
        --end;
    }
    bool negative = false;
    if (begin < end && (text[begin] == L'+' || text[begin] == L'-')) {
        negative = text[begin] == L'-';
        ++begin;
    }
    // Validate the shape first; from_chars then converts without any locale.
    char buffer[128];
    std::size_t len = 0;
    std::size_t i = begin;
    int digits = 0;
    auto take = [&](wchar_t c) {
        if (len + 1 >= sizeof(buffer)) {
            return false;
        }
        buffer[len++] = char(c);
        return true;
    };
    while (i < end && text[i] >= L'0' && text[i] <= L'9') {
        if (!take(text[i++])) {
            return false;
        }
        ++digits;
    }
    if (i < end && text[i] == L'.') {
        if (!take(text[i++])) {
            return false;
        }
        while (i < end && text[i] >= L'0' && text[i] <= L'9') {
            if (!take(text[i++])) {
                return false;
            }
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < end && (text[i] == L'e' || text[i] == L'E')) {
        if (!take(L'e')) {
            return false;
        }
        ++i;
        if (i < end && (text[i] == L'+' || text[i] == L'-')) {
            if (!take(text[i++])) {
                return false;
            }
        }
        int expDigits = 0;
        while (i < end && text[i] >= L'0' && text[i] <= L'9') {
            if (!take(text[i++])) {
                return false;
            }
            ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
    }
    if (i != end) {
        return false;
    }
    double value = 0.0;
    auto result = std::from_chars(buffer, buffer + len, value);
    if (result.ec != std::errc() || result.ptr != buffer + len || !std::isfinite(value)) {
        return false;
    }
    if (negative) {
        value = -value;
    }
    out = percent ? value / 100.0 : value;
    return true;
}

std::wstring formatNumber(double x) {
    if (x == 0.0 || !std::isfinite(x)) {
        return L"0";
    }
    char buf[64];
    std::snprintf(buf, sizeof(buf), "%.14e", x);  // d.dddddddddddddde[+-]xx
    std::string s(buf);
    bool negative = s[0] == '-';
    if (negative) {
        s.erase(0, 1);
    }
    std::size_t ePos = s.find('e');
    int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (s[i] != '.') {
            digits += s[i];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string text;
    if (exponent >= 15 || exponent < -5) {
        text = digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        char expText[16];
        std::snprintf(expText, sizeof(expText), "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text += expText;
    } else if (exponent >= 0) {
        std::size_t intLen = std::size_t(exponent) + 1;
        if (digits.size() <= intLen) {
            text = digits + std::string(intLen - digits.size(), '0');
        } else {
            text = digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    } else {
        text = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    if (negative) {
        text.insert(text.begin(), '-');
    }
    return std::wstring(text.begin(), text.end());
}

double toSignificant(double x) {
    if (x == 0.0 || !std::isfinite(x)) {
        return x;
    }
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof(buf), x, std::chars_format::scientific, 14);
    double value = x;
    std::from_chars(buf, written.ptr, value);
    return value;
}

bool toNumber(const Value& v, double& out, ErrorCode& error) {
    switch (v.kind) {
        case Value::Kind::Number:
            out = v.number;
            return true;
        case Value::Kind::Empty:
            out = 0.0;
            return true;
        case Value::Kind::Boolean:
            out = v.boolean ? 1.0 : 0.0;
            return true;
        case Value::Kind::Text:
            if (parseNumberText(v.text, out)) {
                return true;
            }
            error = ErrorCode::Value;
            return false;
        case Value::Kind::Error:
            error = v.error;
            return false;
    }
    error = ErrorCode::Value;
    return false;
}

bool toBool(const Value& v, bool& out, ErrorCode& error) {
    switch (v.kind) {
        case Value::Kind::Number:
            out = v.number != 0.0;
            return true;
        case Value::Kind::Empty:
            out = false;
            return true;
        case Value::Kind::Boolean:
            out = v.boolean;
            return true;
        case Value::Kind::Text:
            if (equalsNoCase(v.text, L"TRUE")) {
                out = true;
                return true;
            }
            if (equalsNoCase(v.text, L"FALSE")) {
                out = false;
                return true;
            }
            error = ErrorCode::Value;
            return false;
        case Value::Kind::Error:
            error = v.error;
            return false;
    }
    error = ErrorCode::Value;
    return false;
}

void appendText(const Value& v, std::wstring& out) {
    switch (v.kind) {
        case Value::Kind::Number:
            out += formatNumber(v.number);
            break;
        case Value::Kind::Text:
            out += v.text;
            break;
        case Value::Kind::Boolean:
            out += v.boolean ? L"TRUE" : L"FALSE";
            break;
        case Value::Kind::Error:
            out += errorText(v.error);
            break;
        case Value::Kind::Empty:
            break;
    }
}

std::wstring toText(const Value& v) {
    std::wstring out;
    appendText(v, out);
    return out;
}

namespace {

int rankOf(Value::Kind kind) {
    switch (kind) {
        case Value::Kind::Text:
            return 1;
        case Value::Kind::Boolean:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

int compareValues(const Value& a, const Value& b) {
    Value::Kind ka = a.isEmpty() ? b.kind : a.kind;
    Value::Kind kb = b.isEmpty() ? a.kind : b.kind;
    int ra = rankOf(ka);
    int rb = rankOf(kb);
    if (ra != rb) {
        return ra < rb ? -1 : 1;
    }
    if (ka == Value::Kind::Text) {
        return compareNoCase(a.isEmpty() ? std::wstring_view() : std::wstring_view(a.text),
                             b.isEmpty() ? std::wstring_view() : std::wstring_view(b.text));
    }
    if (ka == Value::Kind::Boolean) {
        bool x = a.isEmpty() ? false : a.boolean;
        bool y = b.isEmpty() ? false : b.boolean;
        return int(x) - int(y);
    }
    double x = a.isNumber() ? a.number : 0.0;
    double y = b.isNumber() ? b.number : 0.0;
    return x < y ? -1 : (x > y ? 1 : 0);
}

Value numberOrError(double x) {
    if (!std::isfinite(x)) {
        return Value::fromError(ErrorCode::Num);
    }
    return Value::fromNumber(x == 0.0 ? 0.0 : x);
}

}  // namespace ovgrid::formula
