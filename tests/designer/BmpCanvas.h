// BmpCanvas.h - a small black-on-white drawing surface written as a BMP file: enough for
// the line drawings of the sample templates and for pictures in tests. Written as a two-colour
// BMP (black and pure white), which keeps the bundled pictures small.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class BmpCanvas {
  public:
    BmpCanvas(int width, int height);  // all white

    void setPixel(int x, int y);  // outside the canvas: ignored
    void line(int x0, int y0, int x1, int y1);
    void rectangle(int left, int top, int right, int bottom);
    void fill(int left, int top, int right, int bottom);
    void circle(int cx, int cy, int radius);
    // A dashed line (centre lines), dash and gap `dash` pixels long.
    void dashedLine(int x0, int y0, int x1, int y1, int dash);

    // The whole file: headers, palette and bottom-up rows padded to four bytes.
    std::string bmpBytes() const;

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> black_;  // one flag per pixel, row-major from the top
};
