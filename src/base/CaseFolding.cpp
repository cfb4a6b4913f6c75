// CaseFolding.cpp - table-free case mapping for the scripts the application uses.
#include "base/CaseFolding.h"

namespace ovcore {

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
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) {
        return static_cast<wchar_t>(c - 32);  // Greek
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
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) {
        return static_cast<wchar_t>(c + 32);
    }
    if (c >= 0x410 && c <= 0x42F) {
        return static_cast<wchar_t>(c + 32);
    }
    if (c >= 0x400 && c <= 0x40F) {
        return static_cast<wchar_t>(c + 80);
    }
    return c;
}

}  // namespace ovcore
