// NumberText.cpp - number/text conversions through std::to_chars and std::from_chars,
// which ignore the process locale.
#include "grid/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace ovgrid {
namespace {

constexpr int kMaxDecimals = 15;

std::wstring widen(const char* begin, const char* end) {
    return std::wstring(begin, end);
}

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring formatNumber(double value) {
    if (!std::isfinite(value)) {
        return L"#NUM!";
    }
    if (value == 0) {
        return L"0";  // also for -0
    }
    // The shortest digits that read back as the value are, when there are at most fifteen of
    // them, exactly its fifteen-digit rounding without trailing zeros (half a unit of a double
    // lies far below half a unit of the fifteenth digit); only longer ones need the slower
    // fixed-precision conversion.
    char shortest[64];
    const auto written =
        std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
    std::string_view text(shortest, static_cast<std::size_t>(written.ptr - shortest));
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    char digitBuffer[32];
    std::size_t digitCount = 0;
    for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.' && digitCount < sizeof digitBuffer) {
            digitBuffer[digitCount++] = c;
        }
    }
    const std::string_view digits(digitBuffer, digitCount);
    if (digits.size() > 15 || !std::isnormal(value)) {  // subnormals carry fewer bits
        char buffer[64];
        auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        return widen(buffer, result.ptr);
    }
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    std::wstring out = negative ? L"-" : L"";
    const auto count = static_cast<int>(digits.size());
    if (exponent < -4 || exponent >= 15) {
        out += static_cast<wchar_t>(digits[0]);
        if (count > 1) {
            out += L'.';
            out.append(digits.begin() + 1, digits.end());
        }
        out += exponent < 0 ? L"e-" : L"e+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out += L'0';
        }
        out += std::to_wstring(magnitude);
    } else if (exponent < 0) {
        out += L"0.";
        out.append(static_cast<std::size_t>(-exponent - 1), L'0');
        out.append(digits.begin(), digits.end());
    } else if (count <= exponent + 1) {
        out.append(digits.begin(), digits.end());
        out.append(static_cast<std::size_t>(exponent + 1 - count), L'0');
    } else {
        out.append(digits.begin(), digits.begin() + exponent + 1);
        out += L'.';
        out.append(digits.begin() + exponent + 1, digits.end());
    }
    return out;
}

std::wstring formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return L"#NUM!";
    }
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    char buffer[400];  // 1e308 in fixed notation needs 309 digits
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::wstring text = widen(buffer, result.ptr);
    // Rounding may leave "-0.00": show it as zero.
    if (text.front() == L'-' && text.find_first_not_of(L"-0.") == std::wstring::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::optional<double> parseNumber(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    for (wchar_t c : text) {
        // Only the characters of a decimal number; this also rules out "inf" and "nan".
        if (!((c >= L'0' && c <= L'9') || c == L'.' || c == L'+' || c == L'-' || c == L'e' ||
              c == L'E')) {
            return std::nullopt;
        }
    }
    const std::string narrow(text.begin(), text.end());
    std::size_t start = 0;
    bool negative = false;
    if (!narrow.empty() && (narrow[0] == '+' || narrow[0] == '-')) {
        negative = narrow[0] == '-';
        start = 1;
    }
    if (start >= narrow.size() || narrow[start] == '+' || narrow[start] == '-') {
        return std::nullopt;
    }
    double value = 0;
    const char* first = narrow.data() + start;
    const char* last = narrow.data() + narrow.size();
    auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace ovgrid
