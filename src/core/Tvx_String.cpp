// Tvx_String.cpp - the application's wide string.
#include "core/Tvx_String.h"

#include <algorithm>
#include <cstdarg>
#include <ostream>

#include "base/CaseFolding.h"
#include "base/NumberText.h"
#include "base/Utf8.h"
#include "base/WidePrintf.h"

namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0xA0 || c == 0x2007 || c == 0x202F ||
           c == 0x3000 || c == 0xFEFF;
}

// Clamps a (start, count) pair to `size`; count < 0 means "to the end".
void clampRange(std::size_t size, int& start, int& count) {
    if (start < 0) {
        start = 0;
    }
    if (static_cast<std::size_t>(start) > size) {
        start = static_cast<int>(size);
    }
    const int available = static_cast<int>(size) - start;
    if (count < 0 || count > available) {
        count = available;
    }
}

}  // namespace

Tvx_String::Tvx_String(const wchar_t* text) : text_(text ? text : L"") {}

Tvx_String::Tvx_String(double value, int precision, bool keepZeros)
    : text_(ovbase::fixedNumberText(value, precision, keepZeros)) {}

Tvx_String Tvx_String::fromUtf8(std::string_view utf8) {
    return Tvx_String(ovbase::fromUtf8(utf8));
}

Tvx_String Tvx_String::fromInt(long long value) {
    return Tvx_String(std::to_wstring(value));
}

Tvx_String Tvx_String::format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring text = ovbase::formatWide(format, args);
    va_end(args);
    return Tvx_String(std::move(text));
}

std::string Tvx_String::toUtf8() const {
    return ovbase::toUtf8(text_);
}

double Tvx_String::toDouble() const {
    return ovbase::leadingNumber(text_);
}

int Tvx_String::toInt() const {
    return ovbase::leadingInteger(text_);
}

bool Tvx_String::isNumber() const {
    return ovbase::isNumberText(text_);
}

wchar_t Tvx_String::getAt(int index) const {
    if (index < 0 || index >= length()) {
        return 0;
    }
    return text_[static_cast<std::size_t>(index)];
}

bool Tvx_String::setAt(int index, wchar_t ch) {
    if (index < 0 || index >= length()) {
        return false;
    }
    text_[static_cast<std::size_t>(index)] = ch;
    return true;
}

int Tvx_String::find(const Tvx_String& what, int start, bool caseSensitive) const {
    if (what.isEmpty() || start >= length()) {
        return -1;
    }
    start = std::max(start, 0);
    const std::size_t at = caseSensitive
                               ? text_.find(what.text_, static_cast<std::size_t>(start))
                               : ovbase::toLower(text_).find(ovbase::toLower(what.text_),
                                                             static_cast<std::size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int Tvx_String::find(wchar_t ch, int start) const {
    if (start >= length()) {
        return -1;
    }
    const std::size_t at = text_.find(ch, static_cast<std::size_t>(std::max(start, 0)));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int Tvx_String::reverseFind(const Tvx_String& what, int start, bool caseSensitive) const {
    if (what.isEmpty() || text_.empty()) {
        return -1;
    }
    const std::size_t from = start < 0 ? std::wstring::npos : static_cast<std::size_t>(start);
    const std::size_t at = caseSensitive
                               ? text_.rfind(what.text_, from)
                               : ovbase::toLower(text_).rfind(ovbase::toLower(what.text_), from);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int Tvx_String::reverseFind(wchar_t ch) const {
    const std::size_t at = text_.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

bool Tvx_String::hasSubString(const Tvx_String& text, bool caseSensitive) const {
    return text.isEmpty() || find(text, 0, caseSensitive) >= 0;
}

bool Tvx_String::startsWith(const Tvx_String& prefix, bool caseSensitive) const {
    return prefix.length() <= length() && left(prefix.length()).equal(prefix, caseSensitive);
}

bool Tvx_String::endsWith(const Tvx_String& suffix, bool caseSensitive) const {
    return suffix.length() <= length() && right(suffix.length()).equal(suffix, caseSensitive);
}

bool Tvx_String::equal(const Tvx_String& other, bool caseSensitive) const {
    // Folding maps one character to one, so texts of different lengths never match.
    if (text_.size() != other.text_.size()) {
        return false;
    }
    return compare(other, caseSensitive) == 0;
}

int Tvx_String::compare(const Tvx_String& other, bool caseSensitive) const {
    if (caseSensitive) {
        const int result = text_.compare(other.text_);
        return result < 0 ? -1 : (result > 0 ? 1 : 0);
    }
    // The order of the lower-cased texts, folded character by character rather than copied:
    // names are compared this way in every lookup.
    const std::size_t common = std::min(text_.size(), other.text_.size());
    for (std::size_t i = 0; i < common; ++i) {
        const wchar_t a = ovbase::toLowerChar(text_[i]);
        const wchar_t b = ovbase::toLowerChar(other.text_[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    if (text_.size() == other.text_.size()) {
        return 0;
    }
    return text_.size() < other.text_.size() ? -1 : 1;
}

Tvx_String Tvx_String::left(int count) const {
    return mid(0, std::max(count, 0));
}

Tvx_String Tvx_String::right(int count) const {
    count = std::clamp(count, 0, length());
    return mid(length() - count, count);
}

Tvx_String Tvx_String::mid(int start, int count) const {
    clampRange(text_.size(), start, count);
    return Tvx_String(
        text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

Tvx_String Tvx_String::getSubstrBefore(const Tvx_String& symbol, bool fromEnd) const {
    const int at = fromEnd ? reverseFind(symbol) : find(symbol);
    return at < 0 ? *this : left(at);
}

Tvx_String Tvx_String::getSubstrAfter(const Tvx_String& symbol, bool fromEnd) const {
    const int at = fromEnd ? reverseFind(symbol) : find(symbol);
    return at < 0 ? Tvx_String() : mid(at + symbol.length());
}

int Tvx_String::replace(const Tvx_String& from, const Tvx_String& to, bool caseSensitive) {
    if (from.isEmpty()) {
        return 0;
    }
    const std::wstring haystack = caseSensitive ? text_ : ovbase::toLower(text_);
    const std::wstring needle = caseSensitive ? from.text_ : ovbase::toLower(from.text_);
    std::wstring out;
    int count = 0;
    std::size_t pos = 0;
    for (std::size_t at = haystack.find(needle); at != std::wstring::npos;
         at = haystack.find(needle, pos)) {
        out.append(text_, pos, at - pos);
        out += to.text_;
        pos = at + needle.size();
        ++count;
    }
    out.append(text_, pos, std::wstring::npos);
    text_ = std::move(out);
    return count;
}

int Tvx_String::remove(wchar_t ch) {
    const auto before = text_.size();
    std::erase(text_, ch);
    return static_cast<int>(before - text_.size());
}

void Tvx_String::insert(int index, const Tvx_String& text) {
    index = std::clamp(index, 0, length());
    text_.insert(static_cast<std::size_t>(index), text.text_);
}

void Tvx_String::deleteChars(int index, int count) {
    if (count <= 0) {
        return;
    }
    clampRange(text_.size(), index, count);
    text_.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
}

Tvx_String& Tvx_String::trim() {
    return trimRight().trimLeft();
}

Tvx_String& Tvx_String::trimLeft() {
    const auto first = std::find_if_not(text_.begin(), text_.end(), isBlank);
    text_.erase(text_.begin(), first);
    return *this;
}

Tvx_String& Tvx_String::trimRight() {
    while (!text_.empty() && isBlank(text_.back())) {
        text_.pop_back();
    }
    return *this;
}

Tvx_String& Tvx_String::makeUpper() {
    text_ = ovbase::toUpper(text_);
    return *this;
}

Tvx_String& Tvx_String::makeLower() {
    text_ = ovbase::toLower(text_);
    return *this;
}

Tvx_String Tvx_String::upper() const {
    return Tvx_String(*this).makeUpper();
}

Tvx_String Tvx_String::lower() const {
    return Tvx_String(*this).makeLower();
}

Tvx_String& Tvx_String::append(const Tvx_String& text) {
    text_ += text.text_;
    return *this;
}

Tvx_String& Tvx_String::operator+=(const Tvx_String& text) {
    return append(text);
}

Tvx_String& Tvx_String::operator+=(const wchar_t* text) {
    if (text) {
        text_ += text;
    }
    return *this;
}

Tvx_String& Tvx_String::operator+=(wchar_t ch) {
    text_ += ch;
    return *this;
}

std::ostream& operator<<(std::ostream& out, const Tvx_String& text) {
    return out << text.toUtf8();
}
