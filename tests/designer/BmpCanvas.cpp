// BmpCanvas.cpp - Bresenham lines and circles on a 1-bit canvas, saved as a two-colour BMP.
#include "BmpCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

BmpCanvas::BmpCanvas(int width, int height)
    : width_(width), height_(height), black_(static_cast<std::size_t>(width * height), 0) {}

void BmpCanvas::setPixel(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        black_[static_cast<std::size_t>(y * width_ + x)] = 1;
    }
}

void BmpCanvas::line(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        setPixel(x0, y0);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void BmpCanvas::rectangle(int left, int top, int right, int bottom) {
    line(left, top, right, top);
    line(right, top, right, bottom);
    line(right, bottom, left, bottom);
    line(left, bottom, left, top);
}

void BmpCanvas::fill(int left, int top, int right, int bottom) {
    for (int y = std::min(top, bottom); y <= std::max(top, bottom); ++y) {
        line(left, y, right, y);
    }
}

void BmpCanvas::circle(int cx, int cy, int radius) {
    int x = radius;
    int y = 0;
    int error = 1 - radius;
    while (x >= y) {
        const int points[8][2] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                                  {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& p : points) {
            setPixel(cx + p[0], cy + p[1]);
        }
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}

void BmpCanvas::dashedLine(int x0, int y0, int x1, int y1, int dash) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        if ((i / dash) % 2 == 0) {
            setPixel(x0 + (x1 - x0) * i / std::max(steps, 1),
                     y0 + (y1 - y0) * i / std::max(steps, 1));
        }
    }
}

std::string BmpCanvas::bmpBytes() const {
    // Two palette entries, so a row holds eight pixels per byte, padded to four bytes.
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width_) + 31) / 32 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height_);
    const std::uint32_t offset = 14 + 40 + 8;
    std::string out;
    out += "BM";
    putLe(out, offset + pixelBytes, 4);
    putLe(out, 0, 4);
    putLe(out, offset, 4);
    putLe(out, 40, 4);  // BITMAPINFOHEADER
    putLe(out, static_cast<std::uint32_t>(width_), 4);
    putLe(out, static_cast<std::uint32_t>(height_), 4);
    putLe(out, 1, 2);  // planes
    putLe(out, 1, 2);  // bits per pixel
    putLe(out, 0, 4);  // no compression
    putLe(out, pixelBytes, 4);
    putLe(out, 2835, 4);  // 72 dpi
    putLe(out, 2835, 4);
    putLe(out, 2, 4);  // palette entries
    putLe(out, 0, 4);
    putLe(out, 0x000000, 4);  // index 0: black
    putLe(out, 0xFFFFFF, 4);  // index 1: pure white, the transparent colour of a template picture
    for (int y = height_ - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width_; ++x) {
            if (!black_[static_cast<std::size_t>(y * width_ + x)]) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        out += row;
    }
    return out;
}
