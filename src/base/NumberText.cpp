// NumberText.cpp - number/text conversions through std::to_chars and std::from_chars, which
// ignore the process locale.
#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>

namespace ovbase {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaxFixedDecimals = 127;

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// The white space the C library skips before a number.
bool isWhiteSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// The blanks a spreadsheet allows around a number; a line break makes a cell's text no number.
bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring widen(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

// --- formatting

// A number rounded to 15 significant digits: the digits without trailing zeros, and the power
// of ten of the first one (value = d.ddd x 10^exponent). Fixed buffers: this runs for every
// number a sheet shows or a calculation hands on.
struct Significant {
    bool negative = false;
    char digits[32];  // a double's shortest scientific form has at most 17
    int count = 0;
    int exponent = 0;
};

void parseScientific(const char* first, const char* last, Significant& s) {
    s.negative = *first == '-';
    if (s.negative) {
        ++first;
    }
    s.count = 0;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p) {
        if (*p != '.') {
            s.digits[s.count++] = *p;
        }
    }
    p += p[1] == '+' ? 2 : 1;
    std::from_chars(p, last, s.exponent);
}

// Rounds the shortest digits of a normal double to fifteen; false when they lie exactly halfway
// (sixteen digits ending in 5). Otherwise the value itself lies on the same side of the halfway
// point as its shortest digits: were the halfway point between them, it would be a text of the
// same double either shorter (against seventeen digits) or closer (against sixteen).
bool roundShortestDigits(Significant& s) {
    const char next = s.digits[kSignificantDigits];
    if (s.count == kSignificantDigits + 1 && next == '5') {
        return false;
    }
    s.count = kSignificantDigits;
    if (next < '5') {
        return true;
    }
    int i = kSignificantDigits - 1;
    while (i >= 0 && s.digits[i] == '9') {
        s.digits[i--] = '0';
    }
    if (i >= 0) {
        ++s.digits[i];
    } else {
        s.digits[0] = '1';  // 9.99..9 became 10: one digit, the next power of ten
        s.count = 1;
        ++s.exponent;
    }
    return true;
}

void significant(double value, Significant& s) {
    char buffer[64];
    auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    parseScientific(buffer, written.ptr, s);
    // The shortest digits that read back as the value are, when there are at most fifteen of
    // them, exactly its fifteen-digit rounding (half a unit of a double lies far below half a
    // unit of the fifteenth digit); longer ones round to it but for a tie; a tie, and subnormals
    // with their fewer bits, need the slower fixed-precision conversion.
    const bool normal = std::isnormal(value);
    if (!normal || (s.count > kSignificantDigits && !roundShortestDigits(s))) {
        written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, kSignificantDigits - 1);
        parseScientific(buffer, written.ptr, s);
    }
    while (s.count > 1 && s.digits[s.count - 1] == '0') {
        --s.count;
    }
}

struct Notation {
    char exponentLetter;
    int smallestPlainExponent;  // below it, and from 15 on, the exponent form is used
};

class CharsWriter {
  public:
    explicit CharsWriter(NumberChars& out) : out_(out) { out_.size = 0; }
    void put(char c) { out_.text[out_.size++] = c; }
    void put(const char* first, std::size_t count) {
        std::copy_n(first, count, out_.text + out_.size);
        out_.size += count;
    }
    void fill(std::size_t count, char c) {
        std::fill_n(out_.text + out_.size, count, c);
        out_.size += count;
    }

  private:
    NumberChars& out_;
};

// A number with few decimals (most results of a calculation, binary noise and all) written
// from the whole number m nearest to |value| x 10^k for a small k, when that product lies
// within 2e-16 of m relative (3.2e-16 with the product's own rounding) and m is below 10^15:
// the value then lies closer to m / 10^k than half a unit of its fifteenth digit (at least
// 5e-16 of it), so m / 10^k is its fifteen-digit text. Also gives the number that text reads as:
// m / 10^k, both exact doubles, divides to the double nearest to it. False for any other number.
bool writeFewDecimals(double value, CharsWriter& out, double& reads) {
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    static constexpr double kLargest = 1e15;
    static constexpr double kNoise = 2e-16;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4) || magnitude >= kLargest) {
        return false;  // also the exponent forms of both notations
    }
    for (int k = 0; k < static_cast<int>(std::size(kPowers)); ++k) {
        const double scaled = magnitude * kPowers[k];
        if (scaled >= kLargest) {
            return false;
        }
        const double nearest = std::floor(scaled + 0.5);
        if (std::fabs(scaled - nearest) > nearest * kNoise || nearest >= kLargest) {
            continue;
        }
        auto whole = static_cast<std::uint64_t>(nearest);
        while (k > 0 && whole % 10 == 0) {
            whole /= 10;
            --k;
        }
        reads = static_cast<double>(whole) / kPowers[k];
        if (value < 0) {
            out.put('-');
            reads = -reads;
        }
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, whole);
        const auto count = static_cast<int>(written.ptr - digits);
        if (k == 0) {
            out.put(digits, std::size_t(count));
        } else if (count > k) {
            out.put(digits, std::size_t(count - k));
            out.put('.');
            out.put(digits + count - k, std::size_t(k));
        } else {
            out.put("0.", 2);
            out.fill(std::size_t(k - count), '0');
            out.put(digits, std::size_t(count));
        }
        return true;
    }
    return false;
}

NumberChars writeSignificant(double value, Notation notation) {
    NumberChars chars;
    CharsWriter out(chars);
    if (writeFewDecimals(value, out, chars.number)) {
        chars.knowsNumber = true;
        return chars;
    }
    if (!std::isfinite(value)) {
        out.put("#NUM!", 5);
        return chars;
    }
    if (value == 0) {
        out.put('0');  // also for -0
        return chars;
    }
    Significant s;
    significant(value, s);
    const int count = s.count;
    const char* digits = s.digits;
    if (s.negative) {
        out.put('-');
    }
    if (s.exponent < notation.smallestPlainExponent || s.exponent >= kSignificantDigits) {
        out.put(digits[0]);
        if (count > 1) {
            out.put('.');
            out.put(digits + 1, std::size_t(count - 1));
        }
        out.put(notation.exponentLetter);
        out.put(s.exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(s.exponent);
        if (magnitude < 10) {
            out.put('0');
        }
        char exponent[8];
        const auto written = std::to_chars(exponent, exponent + sizeof exponent, magnitude);
        out.put(exponent, std::size_t(written.ptr - exponent));
    } else if (s.exponent < 0) {
        out.put("0.", 2);
        out.fill(static_cast<std::size_t>(-s.exponent - 1), '0');
        out.put(digits, std::size_t(count));
    } else if (count <= s.exponent + 1) {
        out.put(digits, std::size_t(count));
        out.fill(static_cast<std::size_t>(s.exponent + 1 - count), '0');
    } else {
        out.put(digits, std::size_t(s.exponent) + 1);
        out.put('.');
        out.put(digits + s.exponent + 1, std::size_t(count - s.exponent - 1));
    }
    return chars;
}

std::wstring specialValueText(double value) {
    if (std::isnan(value)) {
        return L"nan";
    }
    return value < 0 ? L"-inf" : L"inf";
}

// --- reading

// Converts a text that numberTextLength accepted in full. from_chars takes no "+" sign.
std::errc convert(std::wstring_view number, double& value) {
    // The accepted characters are all ASCII; a usual number fits the buffer on the stack.
    char buffer[64];
    std::string longer;
    char* ascii = buffer;
    if (number.size() > sizeof buffer) {
        longer.resize(number.size());
        ascii = longer.data();
    }
    std::transform(number.begin(), number.end(), ascii,
                   [](wchar_t c) { return static_cast<char>(c); });
    const std::string_view text(ascii, number.size());
    bool negative = false;
    std::size_t offset = 0;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        offset = 1;
    }
    value = 0.0;
    const auto result = std::from_chars(text.data() + offset, text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: overflow or underflow, by the exponent's sign.
        const auto ePos = text.find_first_of("eE");
        const bool tiny =
            ePos != std::string_view::npos && text.find('-', ePos) != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    if (negative) {
        value = -value;
    }
    return result.ec;
}

std::size_t skipWhiteSpace(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i])) {
        ++i;
    }
    return i;
}

}  // namespace

NumberChars displayNumberChars(double value) {
    return writeSignificant(value, {'e', -4});
}

std::wstring displayNumberText(double value) {
    return widen(displayNumberChars(value).view());
}

std::wstring formulaNumberText(double value) {
    return widen(writeSignificant(value, {'E', -5}).view());
}

std::wstring fixedNumberText(double value, int decimals, bool keepZeros) {
    if (!std::isfinite(value)) {
        return specialValueText(value);
    }
    decimals = std::clamp(decimals, 0, kMaxFixedDecimals);
    char buffer[512];  // 1e308 with 127 decimals needs 437 characters
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
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
    return widen(text);
}

std::wstring exactNumberText(double value) {
    if (!std::isfinite(value)) {
        return specialValueText(value);
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return widen(std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

double roundToSignificantDigits(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

std::size_t numberTextLength(std::wstring_view text) {
    std::size_t i = 0;
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
        while (j < text.size() && isDigit(text[j])) {
            ++j;
        }
        digits += j - i - 1;
        if (digits > 0) {
            i = j;
        }
    }
    if (digits == 0) {
        return 0;
    }
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
    return i;
}

std::optional<double> parseNumberText(std::wstring_view text, PercentSign percent) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const bool percentSign =
        percent == PercentSign::Accepted && !text.empty() && text.back() == L'%';
    if (percentSign) {
        text.remove_suffix(1);  // "12.5 %" is read like "12.5%"
        while (!text.empty() && isBlank(text.back())) {
            text.remove_suffix(1);
        }
    }
    const std::size_t length = numberTextLength(text);
    double value = 0.0;
    if (length == 0 || length != text.size() || convert(text, value) != std::errc()) {
        return std::nullopt;
    }
    return percentSign ? value / 100.0 : value;
}

std::optional<double> parseNumberChars(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    if (text.empty() || !isDigit(static_cast<wchar_t>(text.front()))) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double leadingNumber(std::wstring_view text) {
    text.remove_prefix(skipWhiteSpace(text));
    const std::size_t length = numberTextLength(text);
    double value = 0.0;
    if (length > 0) {
        convert(text.substr(0, length), value);
    }
    return value;
}

int leadingInteger(std::wstring_view text) {
    std::size_t i = skipWhiteSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && isDigit(text[i])) {
        // Saturates just beyond the int range and keeps scanning the digits.
        value = std::min(value * 10 + (text[i] - L'0'), static_cast<long long>(INT_MAX) + 1);
        ++i;
    }
    if (negative) {
        value = -value;
    }
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool isNumberText(std::wstring_view text) {
    text.remove_prefix(skipWhiteSpace(text));
    const std::size_t length = numberTextLength(text);
    if (length == 0) {
        return false;
    }
    for (wchar_t c : text.substr(length)) {
        if (!isWhiteSpace(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace ovbase
