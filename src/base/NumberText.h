// NumberText.h - conversions between numbers and text, independent of the process locale: the
// decimal point is always ".". One function per meaning:
//
//   displayNumberText  the grid's text of a number in value mode: up to 15 significant digits,
//                      no trailing zeros, "12.5", "10", "1e+15", "1e-05".
//   formulaNumberText  the text a number becomes inside a formula (=A1&"") and in formula text:
//                      up to 15 significant digits, "1E+15", "0.00001", "1E-06".
//   fixedNumberText    a fixed number of decimals: "12.50" (number cells, FIXED, Tvx_String).
//   exactNumberText    the shortest text that reads back as the same double (storage formats).
//
// Display and formula text share their digits and differ only in the notation, on purpose: the
// value text is what the grid control's value mode has always returned (C's "%.15g": small "e",
// exponent form below 1e-4), and callers store and compare it; inside formulas a number reads as
// a spreadsheet writes it (capital "E", plain decimals down to 1e-5), so that =1E+20&"" gives
// "1E+20" and a formula shows its numbers as they were typed. Neither ever holds an infinity or a
// NaN in a cell (formulas turn them into #NUM!); should one arrive, both write "#NUM!".
//
// Reading: parseNumberText (a whole text that is one number, as a spreadsheet reads a cell or a
// text operand), leadingNumber / leadingInteger / isNumberText (the C library's reading, for
// Tvx_String). All of them accept the same number shape, numberTextLength.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ovbase {

// --- numbers to text

// A number's text as ASCII characters in place, for callers that go on without a string.
struct NumberChars {
    char text[32];  // the longest text written here has 22 characters
    std::size_t size = 0;
    // The number the text reads as (parseNumberChars), when writing it told.
    bool knowsNumber = false;
    double number = 0.0;
    std::string_view view() const { return std::string_view(text, size); }
};

// displayNumberText's characters.
NumberChars displayNumberChars(double value);
std::wstring displayNumberText(double value);
std::wstring formulaNumberText(double value);

// `decimals` decimals (clamped to 0..127); keepZeros false drops trailing zeros and a trailing
// point ("200", "12.5"). A negative number that rounds to zero is written without its sign.
// Infinities and NaN give "inf", "-inf" and "nan", as the C library writes them.
std::wstring fixedNumberText(double value, int decimals, bool keepZeros = true);

// Shortest round-trip text ("0.1", "1e+300"); "inf", "-inf", "nan" for the special values.
std::wstring exactNumberText(double value);

// `value` rounded to the 15 significant digits the texts above show, the precision a
// spreadsheet works with: hides the binary noise of results such as 0.1 * 3 before rounding
// functions look at them. Zero, infinities and NaN are returned as they are.
double roundToSignificantDigits(double value);

// --- text to numbers

// The length of the number at the start of `text` (no blanks skipped): an optional sign, digits
// with an optional fraction (".5" and "5." count), and an exponent only when digits follow it
// ("1e" is the number 1 followed by "e"); 0 when there is none. Hexadecimal, "inf" and "nan" are
// never numbers: a cell text such as "Nancy" must not turn into a NaN.
std::size_t numberTextLength(std::wstring_view text);

enum class PercentSign { Rejected, Accepted };

// A whole text that is one number, spaces and tabs around it allowed: " -12.5e1 " -> -125.
// Nothing for any other text and for a number beyond the range of a double. With
// PercentSign::Accepted a trailing "%" divides by 100 ("50%" -> 0.5), as formulas read a text
// operand; a cell's typed text is read without it, so that "50%" stays the text it was typed as.
std::optional<double> parseNumberText(std::wstring_view text,
                                      PercentSign percent = PercentSign::Rejected);

// The number a text written by displayNumberChars stands for, read as parseNumberText reads the
// same text (nothing for "#NUM!" and for a text beyond the range of a double).
std::optional<double> parseNumberChars(std::string_view text);

// The C library's reading (wcstod): leading white space skipped, the leading number taken and
// the rest ignored ("7x" -> 7, "  -2.5e3 mm" -> -2500); 0 when there is none. Overflow gives
// +-infinity, underflow 0.
double leadingNumber(std::wstring_view text);

// The leading integer the same way ("7.9" -> 7, "12abc" -> 12), clamped to the int range.
int leadingInteger(std::wstring_view text);

// True when the whole text, white space around it aside, is one number (by its shape: "1e999"
// is one).
bool isNumberText(std::wstring_view text);

}  // namespace ovbase
