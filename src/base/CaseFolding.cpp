// CaseFolding.cpp - table-free case mapping for the scripts the application uses.
#include "base/CaseFolding.h"

namespace ovbase {

wchar_t toUpperChar(wchar_t c) {
    if (c >= L'a' && c <= L'z') {
        return static_cast<wchar_t>(c - 32);
    }
    if (c < 0x80) {
        return c;
    }
    if (c == 0xFF) {
        return 0x178;  // ÿ -> Ÿ
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<wchar_t>(c - 32);
    }
    // Latin Extended-A pairs: even upper, odd lower, except the 0x139..0x148 and 0x179..0x17E runs
    // where upper case is odd.
    if (c >= 0x100 && c <= 0x137 && (c & 1) && c != 0x131) {
        return static_cast<wchar_t>(c - 1);
    }
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && !(c & 1)) {
        return static_cast<wchar_t>(c - 1);
    }
    if (c >= 0x14A && c <= 0x177 && (c & 1)) {
        return static_cast<wchar_t>(c - 1);
    }
    if (c == 0x3C2) {
        return 0x3A3;  // final sigma: one capital for both small sigmas
    }
    if (c >= 0x3B1 && c <= 0x3CB) {
        return static_cast<wchar_t>(c - 32);  // Greek, with dialytika
    }
    if (c >= 0x3AC && c <= 0x3CE) {  // Greek with tonos
        switch (c) {
            case 0x3AC:
                return 0x386;
            case 0x3AD:
            case 0x3AE:
            case 0x3AF:
                return static_cast<wchar_t>(c - 37);
            case 0x3CC:
                return 0x38C;
            case 0x3CD:
            case 0x3CE:
                return static_cast<wchar_t>(c - 63);
            default:
                break;
        }
    }
    if (c >= 0x430 && c <= 0x44F) {
        return static_cast<wchar_t>(c - 32);  // Cyrillic
    }
    if (c >= 0x450 && c <= 0x45F) {
        return static_cast<wchar_t>(c - 80);
    }
    return c;
}

wchar_t toLowerChar(wchar_t c) {
    if (c >= L'A' && c <= L'Z') {
        return static_cast<wchar_t>(c + 32);
    }
    if (c < 0x80) {
        return c;
    }
    if (c == 0x178) {
        return 0xFF;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return static_cast<wchar_t>(c + 32);
    }
    if (c >= 0x100 && c <= 0x137 && !(c & 1) && c != 0x130) {
        return static_cast<wchar_t>(c + 1);
    }
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && (c & 1)) {
        return static_cast<wchar_t>(c + 1);
    }
    if (c >= 0x14A && c <= 0x177 && !(c & 1)) {
        return static_cast<wchar_t>(c + 1);
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return static_cast<wchar_t>(c + 32);
    }
    if (c >= 0x386 && c <= 0x38F) {
        switch (c) {
            case 0x386:
                return 0x3AC;
            case 0x388:
            case 0x389:
            case 0x38A:
                return static_cast<wchar_t>(c + 37);
            case 0x38C:
                return 0x3CC;
            case 0x38E:
            case 0x38F:
                return static_cast<wchar_t>(c + 63);
            default:
                break;
        }
    }
    if (c >= 0x410 && c <= 0x42F) {
        return static_cast<wchar_t>(c + 32);
    }
    if (c >= 0x400 && c <= 0x40F) {
        return static_cast<wchar_t>(c + 80);
    }
    return c;
}

std::wstring toUpper(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        c = toUpperChar(c);
    }
    return out;
}

std::wstring toLower(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        c = toLowerChar(c);
    }
    return out;
}

bool equalsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && toUpperChar(a[i]) != toUpperChar(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace ovbase
