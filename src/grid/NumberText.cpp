// NumberText.cpp - number/text conversions through std::to_chars and std::from_chars,
// which ignore the process locale.
#include "grid/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return widen(buffer, result.ptr);
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
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) {
        // Only the characters of a decimal number; this also rules out "inf" and "nan".
        if (!((c >= L'0' && c <= L'9') || c == L'.' || c == L'+' || c == L'-' || c == L'e' ||
              c == L'E')) {
            return std::nullopt;
        }
        narrow.push_back(static_cast<char>(c));
    }
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
