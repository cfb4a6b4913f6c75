// WidePrintf.cpp - a small printf interpreter; numbers are handed to snprintf one at a time.
#include "base/WidePrintf.h"

#include <clocale>
#include <cstdio>
#include <string>

#include "base/Utf8.h"

namespace ovbase {
namespace {

bool isFlag(wchar_t c) {
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0';
}

// Pads `text` to `width` as printf does for strings.
std::wstring pad(std::wstring text, int width, bool leftAlign) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        const std::wstring fill(static_cast<std::size_t>(width) - text.size(), L' ');
        text = leftAlign ? text + fill : fill + text;
    }
    return text;
}

// snprintf with a narrow conversion; the decimal point is forced to "." whatever the locale.
template <typename T>
std::wstring formatNumber(const std::string& conversion, T value) {
    char small[128];
    int n = std::snprintf(small, sizeof(small), conversion.c_str(), value);
    std::string text;
    if (n < 0) {
        return L"";
    }
    if (static_cast<std::size_t>(n) < sizeof(small)) {
        text.assign(small, static_cast<std::size_t>(n));
    } else {
        text.resize(static_cast<std::size_t>(n) + 1);
        std::snprintf(text.data(), text.size(), conversion.c_str(), value);
        text.resize(static_cast<std::size_t>(n));
    }
    const char* point = std::localeconv()->decimal_point;
    if (point && point[0] && std::string(point) != ".") {
        const std::size_t at = text.find(point);
        if (at != std::string::npos) {
            text.replace(at, std::string(point).size(), ".");
        }
    }
    return fromUtf8(text);
}

}  // namespace

std::wstring formatWide(const wchar_t* format, va_list args) {
    std::wstring out;
    if (!format) {
        return out;
    }
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') {
            out += *p;
            continue;
        }
        const wchar_t* specStart = p;
        ++p;
        if (*p == L'%') {
            out += L'%';
            continue;
        }
        std::string conversion = "%";
        bool leftAlign = false;
        while (isFlag(*p)) {
            leftAlign = leftAlign || *p == L'-';
            conversion += static_cast<char>(*p++);
        }
        int width = -1;
        if (*p == L'*') {
            width = va_arg(args, int);
            if (width < 0) {
                leftAlign = true;
                width = -width;
            }
            conversion += std::to_string(width);
            ++p;
        } else {
            while (*p >= L'0' && *p <= L'9') {
                width = (width < 0 ? 0 : width) * 10 + (*p - L'0');
                conversion += static_cast<char>(*p++);
            }
        }
        int precision = -1;
        if (*p == L'.') {
            conversion += '.';
            ++p;
            precision = 0;
            if (*p == L'*') {
                precision = va_arg(args, int);
                conversion += std::to_string(precision < 0 ? 0 : precision);
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9') {
                    precision = precision * 10 + (*p - L'0');
                    conversion += static_cast<char>(*p++);
                }
            }
        }
        // Length modifiers.
        int longs = 0;
        bool shortString = false;
        bool sizeT = false;
        while (*p == L'l' || *p == L'h' || *p == L'z' || *p == L'L' || *p == L'I') {
            if (*p == L'l') {
                ++longs;
            } else if (*p == L'h') {
                shortString = true;
            } else if (*p == L'z') {
                sizeT = true;
            } else if (*p == L'I' && p[1] == L'6' && p[2] == L'4') {
                longs = 2;
                p += 2;
            }
            ++p;
        }
        const wchar_t conv = *p;
        switch (conv) {
            case L'd':
            case L'i':
            case L'u':
            case L'x':
            case L'X':
            case L'o': {
                const char c = static_cast<char>(conv);
                if (sizeT) {
                    out += formatNumber(conversion + "z" + c, va_arg(args, std::size_t));
                } else if (longs >= 2) {
                    out += formatNumber(conversion + "ll" + c, va_arg(args, long long));
                } else if (longs == 1) {
                    out += formatNumber(conversion + "l" + c, va_arg(args, long));
                } else {
                    out += formatNumber(conversion + c, va_arg(args, int));
                }
                break;
            }
            case L'f':
            case L'F':
            case L'e':
            case L'E':
            case L'g':
            case L'G':
                out += formatNumber(conversion + static_cast<char>(conv), va_arg(args, double));
                break;
            case L'p':
                out += formatNumber(std::string("%p"), va_arg(args, void*));
                break;
            case L'c':
            case L'C':
                out +=
                    pad(std::wstring(1, static_cast<wchar_t>(va_arg(args, int))), width, leftAlign);
                break;
            case L's':
            case L'S': {
                std::wstring text;
                if (shortString) {
                    const char* narrow = va_arg(args, const char*);
                    text = narrow ? fromUtf8(narrow) : L"(null)";
                } else {
                    const wchar_t* wide = va_arg(args, const wchar_t*);
                    text = wide ? wide : L"(null)";
                }
                if (precision >= 0 && text.size() > static_cast<std::size_t>(precision)) {
                    text.resize(static_cast<std::size_t>(precision));
                }
                out += pad(std::move(text), width, leftAlign);
                break;
            }
            default:
                // Unknown or truncated conversion: copy it literally rather than guess an argument.
                out.append(specStart, p + (conv ? 1 : 0));
                if (!conv) {
                    return out;
                }
                break;
        }
    }
    return out;
}

}  // namespace ovbase
