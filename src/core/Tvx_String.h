// Tvx_String.h - the application's wide-character string: a value type over std::wstring with the
// search, sub-string, replace and case-optional comparison operations the dialogs and engines use.
//
// Conventions:
// - Positions are 0-based ints; "not found" is -1. Out-of-range arguments are clamped, never UB.
// - A case flag named `caseSensitive` means: true = exact, false = ignore upper/lower case.
// - Text <-> number conversions ignore the process locale: "." is always the decimal point.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

class Tvx_String {
  public:
    Tvx_String() = default;
    Tvx_String(const wchar_t* text);  // NOLINT: implicit like the host's string class; null = ""
    Tvx_String(std::wstring text) : text_(std::move(text)) {}  // NOLINT
    explicit Tvx_String(std::wstring_view text) : text_(text) {}
    Tvx_String(std::size_t count, wchar_t ch) : text_(count, ch) {}

    // Number to text with `precision` decimals. Without keepZeros trailing zeros and a trailing
    // point are removed: (200.0, 2, false) -> "200", (12.5, 3, false) -> "12.5",
    // (12.5, 3, true) -> "12.500".
    Tvx_String(double value, int precision, bool keepZeros);

    static Tvx_String fromUtf8(std::string_view utf8);  // invalid bytes become U+FFFD
    static Tvx_String fromInt(long long value);
    // printf-style; "%s" takes a const wchar_t* (the host's wide-format convention).
    static Tvx_String format(const wchar_t* format, ...);

    std::string toUtf8() const;
    const wchar_t* c_str() const { return text_.c_str(); }
    const std::wstring& wstr() const { return text_; }
    std::wstring& wstr() { return text_; }

    // The leading number, C-library style: blanks skipped, "7x" -> 7, unparsable -> 0.
    double toDouble() const;
    // The leading integer: "7.9" -> 7, "12abc" -> 12, unparsable -> 0; clamped to the int range.
    int toInt() const;
    // True when the whole text (blanks around it aside) is one number: sign, digits, fraction,
    // exponent. "12", " -1.5e3 ", ".5" are numbers; "", "7x", "1e", "1,5" are not.
    bool isNumber() const;

    int length() const { return static_cast<int>(text_.size()); }
    bool isEmpty() const { return text_.empty(); }
    void empty() { text_.clear(); }
    // The character at `index`, or 0 when it lies outside the text.
    wchar_t getAt(int index) const;
    // Replaces the character at `index`; false when it lies outside the text.
    bool setAt(int index, wchar_t ch);

    // First occurrence of `what` at or after `start`; -1 when absent. An empty `what` is never
    // found.
    int find(const Tvx_String& what, int start = 0, bool caseSensitive = true) const;
    int find(wchar_t ch, int start = 0) const;
    // Last occurrence of `what` that begins at or before `start` (-1 = from the end); -1 when
    // absent.
    int reverseFind(const Tvx_String& what, int start = -1, bool caseSensitive = true) const;
    int reverseFind(wchar_t ch) const;
    // True when `text` occurs in this string. An empty `text` is contained in every string.
    bool hasSubString(const Tvx_String& text, bool caseSensitive) const;
    bool startsWith(const Tvx_String& prefix, bool caseSensitive) const;
    bool endsWith(const Tvx_String& suffix, bool caseSensitive) const;

    bool equal(const Tvx_String& other, bool caseSensitive) const;
    // <0, 0, >0 by character code (after case folding when caseSensitive is false).
    int compare(const Tvx_String& other, bool caseSensitive = true) const;

    // Sub-strings; counts are clamped to the text ("abc".left(10) == "abc").
    Tvx_String left(int count) const;
    Tvx_String right(int count) const;
    Tvx_String mid(int start, int count = -1) const;  // count -1 = to the end

    // The text before / after `symbol`; fromEnd picks the last occurrence instead of the first.
    // Without the symbol: getSubstrBefore gives the whole text, getSubstrAfter an empty text.
    // ("Module.Plate.W").getSubstrAfter(".", false) == "Plate.W";
    // ("Plate.Bolt.D").getSubstrBefore(".", true) == "Plate.Bolt".
    Tvx_String getSubstrBefore(const Tvx_String& symbol, bool fromEnd) const;
    Tvx_String getSubstrAfter(const Tvx_String& symbol, bool fromEnd) const;

    // Replaces every occurrence of `from` (left to right, no rescanning of inserted text); returns
    // the number of replacements. An empty `from` replaces nothing.
    int replace(const Tvx_String& from, const Tvx_String& to, bool caseSensitive = true);
    // Removes every occurrence of `ch`; returns how many were removed.
    int remove(wchar_t ch);
    // Inserts `text` at `index` (clamped to 0..length).
    void insert(int index, const Tvx_String& text);
    // Deletes `count` characters from `index` (clamped).
    void deleteChars(int index, int count);

    // Blanks are white space: space, tab, line breaks, form feed, vertical tab, no-break space.
    Tvx_String& trim();
    Tvx_String& trimLeft();
    Tvx_String& trimRight();
    Tvx_String& makeUpper();
    Tvx_String& makeLower();
    Tvx_String upper() const;
    Tvx_String lower() const;

    Tvx_String& append(const Tvx_String& text);
    Tvx_String& operator+=(const Tvx_String& text);
    Tvx_String& operator+=(const wchar_t* text);
    Tvx_String& operator+=(wchar_t ch);

    friend Tvx_String operator+(Tvx_String a, const Tvx_String& b) { return a += b; }
    friend Tvx_String operator+(Tvx_String a, const wchar_t* b) { return a += b; }
    friend Tvx_String operator+(const wchar_t* a, const Tvx_String& b) {
        return Tvx_String(a) += b;
    }
    friend Tvx_String operator+(Tvx_String a, wchar_t b) { return a += b; }

    // Exact (case-sensitive) equality and ordering, for containers and sorting.
    friend bool operator==(const Tvx_String& a, const Tvx_String& b) { return a.text_ == b.text_; }
    friend bool operator==(const Tvx_String& a, const wchar_t* b) {
        return a.text_ == (b ? b : L"");
    }
    friend bool operator<(const Tvx_String& a, const Tvx_String& b) { return a.text_ < b.text_; }

    auto begin() const { return text_.begin(); }
    auto end() const { return text_.end(); }

  private:
    std::wstring text_;
};

// Writes the text as UTF-8 (test output, logs).
std::ostream& operator<<(std::ostream& out, const Tvx_String& text);

template <>
struct std::hash<Tvx_String> {
    std::size_t operator()(const Tvx_String& s) const noexcept {
        return std::hash<std::wstring>{}(s.wstr());
    }
};
