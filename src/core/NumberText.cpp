// NumberText.cpp - number <-> text conversions independent of the process locale.
#include "core/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cwctype>
#include <limits>
#include <string>

namespace ovcore {
namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// The C library skips exactly these as leading white space.
bool isBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::size_t skipBlanks(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return i;
}

}  // namespace

std::size_t scanDecimalNumber(std::wstring_view text, std::size_t& start) {
    start = skipBlanks(text);
    std::size_t i = start;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == L'.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    // An exponent counts only when digits follow it: "1e" is the number 1 followed by "e".
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i - start;
}

double leadingDouble(std::wstring_view text) {
    std::size_t start = 0;
    const std::size_t length = scanDecimalNumber(text, start);
    if (length == 0) {
        return 0.0;
    }
    // The scanned characters are all ASCII, so narrowing is exact.
    std::string ascii;
    ascii.reserve(length);
    for (wchar_t c : text.substr(start, length)) {
        ascii += static_cast<char>(c);
    }
    bool negative = false;
    std::size_t offset = 0;
    if (ascii[0] == '+' || ascii[0] == '-') {
        negative = ascii[0] == '-';
        offset = 1;
    }
    double value = 0.0;
    const char* first = ascii.data() + offset;
    const char* last = ascii.data() + ascii.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; decide between overflow and underflow by the exponent.
        const auto ePos = ascii.find_first_of("eE");
        const bool tiny = ePos != std::string::npos && ascii.find('-', ePos) != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

int leadingInt(std::wstring_view text) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && isDigit(text[i])) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;  // saturate, keep scanning digits
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

bool isWholeNumber(std::wstring_view text) {
    std::size_t start = 0;
    const std::size_t length = scanDecimalNumber(text, start);
    if (length == 0) {
        return false;
    }
    for (std::size_t i = start + length; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            return false;
        }
    }
    return true;
}

std::wstring formatFixed(double value, int precision, bool keepZeros) {
    if (precision < 0) {
        precision = 0;
    } else if (precision > 20) {
        precision = 20;
    }
    if (std::isnan(value)) {
        return L"nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? L"-inf" : L"inf";
    }
    // 1e308 with 20 decimals needs about 330 characters.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, precision);
    std::string text(buffer, result.ptr);
    if (!keepZeros && text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);  // "-0.00" is zero
    }
    return std::wstring(text.begin(), text.end());
}

}  // namespace ovcore
