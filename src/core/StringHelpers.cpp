// StringHelpers.cpp - free text functions.
#include "core/StringHelpers.h"

#include <random>
#include <unordered_set>

#include "base/ColumnLetters.h"

void strToArr(const Tvx_String& text, Tvx_StringArray& array, const Tvx_String& separator) {
    array.removeAll();
    if (text.isEmpty()) {
        return;
    }
    if (separator.isEmpty()) {
        array.append(text);
        return;
    }
    int pos = 0;
    for (int at = text.find(separator, 0); at >= 0; at = text.find(separator, pos)) {
        array.append(text.mid(pos, at - pos));
        pos = at + separator.length();
    }
    array.append(text.mid(pos));
}

Tvx_StringArray strToArr(const Tvx_String& text, const Tvx_String& separator) {
    Tvx_StringArray array;
    strToArr(text, array, separator);
    return array;
}

Tvx_String arrToStr(const Tvx_StringArray& array, const Tvx_String& separator) {
    Tvx_String out;
    for (int i = 0; i < array.length(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += array[i];
    }
    return out;
}

int splitStringAtSymbol(const Tvx_String& text, const Tvx_String& symbol, Tvx_StringArray& array,
                        bool trim) {
    array.removeAll();
    const int at = symbol.isEmpty() ? -1 : text.find(symbol);
    Tvx_String first = at < 0 ? text : text.left(at);
    if (trim) {
        first.trim();
    }
    array.append(first);
    if (at >= 0) {
        Tvx_String second = text.mid(at + symbol.length());
        if (trim) {
            second.trim();
        }
        array.append(second);
    }
    return array.length();
}

bool isNumber(const Tvx_String& text) {
    return text.isNumber();
}

bool hasDuplicates(const Tvx_StringArray& array, bool caseSensitive) {
    Tvx_Array<int> indices;
    return getDuplicates(array, indices, caseSensitive);
}

bool getDuplicates(const Tvx_StringArray& array, Tvx_Array<int>& indices, bool caseSensitive) {
    indices.removeAll();
    std::unordered_set<Tvx_String> seen;
    for (int i = 0; i < array.length(); ++i) {
        const Tvx_String key = caseSensitive ? array[i] : array[i].lower();
        if (!seen.insert(key).second) {
            indices.append(i);
        }
    }
    return !indices.isEmpty();
}

Tvx_String findNonExistingString(const Tvx_StringArray& existing, const Tvx_String& base) {
    if (!existing.contains(base, false)) {
        return base;
    }
    // At most existing.length() candidates can be taken, so this ends.
    for (int n = 1;; ++n) {
        Tvx_String candidate = append(base, n);
        if (!existing.contains(candidate, false)) {
            return candidate;
        }
    }
}

bool findFirstNumbers(const Tvx_String& text, int& start, int& length) {
    const auto isDigit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
    for (int i = 0; i < text.length(); ++i) {
        if (isDigit(text.getAt(i))) {
            int end = i;
            while (end < text.length() && isDigit(text.getAt(end))) {
                ++end;
            }
            start = i;
            length = end - i;
            return true;
        }
    }
    return false;
}

Tvx_String getAlfabet(int column) {
    return Tvx_String(ovbase::columnLetters(column));
}

bool hasInvalidFileNameChars(const Tvx_String& text) {
    for (wchar_t c : text) {
        if (c < 32 || c == 0x7F || Tvx_String(L"\\/:*?\"<>|").find(c) >= 0) {
            return true;
        }
    }
    return false;
}

bool isPlainFileName(const Tvx_String& name) {
    Tvx_String trimmed = name;
    trimmed.trim();
    return !trimmed.isEmpty() && trimmed != L"." && trimmed != L".." &&
           !hasInvalidFileNameChars(name);
}

bool generateRandomString(Tvx_String& out, int length) {
    if (length < 1) {
        return false;
    }
    static const wchar_t kAlphabet[] =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    try {
        static std::mt19937_64 engine{std::random_device{}()};
        std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kAlphabet)) - 2);
        std::wstring text(static_cast<std::size_t>(length), L'A');
        for (auto& c : text) {
            c = kAlphabet[pick(engine)];
        }
        out = Tvx_String(std::move(text));
        return true;
    } catch (const std::exception&) {
        return false;  // no random device on this system
    }
}

Tvx_String append(const Tvx_String& text, int number) {
    return text + Tvx_String::fromInt(number);
}

Tvx_String appStrs(const Tvx_String& first, const Tvx_String& second) {
    return first + second;
}

int replaceSubString(Tvx_String& text, const Tvx_String& from, const Tvx_String& to,
                     bool caseSensitive) {
    return text.replace(from, to, caseSensitive);
}

void arrToArrArr(const Tvx_StringArray& lines, Tvx_Array<Tvx_StringArray>& rows,
                 const Tvx_String& separator) {
    rows.removeAll();
    for (const auto& line : lines) {
        rows.append(strToArr(line, separator));
    }
}

void arrArrToArr(const Tvx_Array<Tvx_StringArray>& rows, Tvx_StringArray& lines,
                 const Tvx_String& separator) {
    lines.removeAll();
    for (const auto& row : rows) {
        lines.append(arrToStr(row, separator));
    }
}

Tvx_String shortenedText(const Tvx_String& text, int limit) {
    Tvx_String oneLine = text;
    oneLine.replace(L"\r\n", L" ");
    oneLine.replace(L"\n", L" ");
    oneLine.replace(L"\r", L" ");
    if (limit < 1 || oneLine.length() <= limit) {
        return oneLine;
    }
    return oneLine.left(limit) + L"... (" + Tvx_String::fromInt(oneLine.length() - limit) +
           L" more characters)";
}
