// PreviewBitmap.cpp - drawing and writing the generated preview picture.
#include "macrodlg/select/PreviewBitmap.h"

#include <cstdint>
#include <string>

#include "core/AtomicFile.h"

namespace {

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

}  // namespace

bool writePreviewBitmap(const Tvx_String& path, const Tvx_String& seed) {
    constexpr int size = kPreviewPixels;
    constexpr int rowBytes = size * 3;  // 192: already a multiple of 4
    std::uint32_t hash = 2166136261u;
    for (const wchar_t c : seed.wstr()) {
        hash = (hash ^ static_cast<std::uint32_t>(c)) * 16777619u;
    }
    const std::uint8_t r = 80 + (hash & 0x7F), g = 80 + ((hash >> 8) & 0x7F),
                       b = 80 + ((hash >> 16) & 0x7F);
    const int plate = 16 + static_cast<int>((hash >> 24) % 16);
    std::string bmp;
    put16(bmp, 0x4D42);  // "BM"
    put32(bmp, 54 + rowBytes * size);
    put32(bmp, 0);
    put32(bmp, 54);
    put32(bmp, 40);
    put32(bmp, size);
    put32(bmp, size);
    put16(bmp, 1);
    put16(bmp, 24);
    put32(bmp, 0);
    put32(bmp, rowBytes * size);
    put32(bmp, 2835);
    put32(bmp, 2835);
    put32(bmp, 0);
    put32(bmp, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool frame = x < 2 || y < 2 || x >= size - 2 || y >= size - 2;
            const bool member = x >= 8 && x < 18;                                   // a column
            const bool platePart = x >= 18 && x < 18 + plate && y >= 20 && y < 44;  // a plate
            const bool bolt = platePart && (x - 18) % 8 == 4 && (y - 20) % 8 == 4;
            std::uint8_t pr = 245, pg = 245, pb = 245;
            if (frame || bolt) {
                pr = pg = pb = 40;
            } else if (member) {
                pr = pg = pb = 170;
            } else if (platePart) {
                pr = r;
                pg = g;
                pb = b;
            }
            bmp.push_back(static_cast<char>(pb));
            bmp.push_back(static_cast<char>(pg));
            bmp.push_back(static_cast<char>(pr));
        }
    }
    return atomicWriteFile(path, bmp);
}
