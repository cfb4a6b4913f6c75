#!/usr/bin/env python3
"""Draws the preview pictures (96 x 96, 24-bit BMP) of the sample macros in library/Macros.

Usage: scripts/make_macro_previews.py [library folder]
Each picture is a schematic side view: members grey, plates coloured, bolts dark.
"""
import struct
import sys
from pathlib import Path

SIZE = 96


def bmp(pixels):
    rows = b""
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        rows += b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in pixels[y])
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return header + info + rows


def canvas():
    return [[(250, 250, 250) for _ in range(SIZE)] for _ in range(SIZE)]


def rect(p, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(SIZE, y1)):
        for x in range(max(0, x0), min(SIZE, x1)):
            p[y][x] = colour


def bolts(p, xs, ys):
    for x in xs:
        for y in ys:
            rect(p, x - 2, y - 2, x + 3, y + 3, (40, 40, 40))


GREY = (170, 170, 175)
BLUE = (90, 140, 210)
GREEN = (110, 180, 120)
ORANGE = (230, 150, 70)


def end_plate():
    p = canvas()
    rect(p, 10, 4, 26, 92, GREY)        # column
    rect(p, 30, 36, 92, 60, GREY)       # beam
    rect(p, 26, 24, 31, 72, BLUE)       # end plate
    bolts(p, [28], [30, 42, 54, 66])
    return p


def base_plate():
    p = canvas()
    rect(p, 38, 4, 58, 70, GREY)        # column
    rect(p, 18, 70, 78, 78, GREEN)      # base plate
    rect(p, 8, 78, 88, 92, (200, 190, 170))  # foundation
    bolts(p, [24, 72], [74])
    return p


def fin_plate():
    p = canvas()
    rect(p, 10, 4, 26, 92, GREY)        # supporting member
    rect(p, 26, 30, 60, 66, ORANGE)     # fin plate
    rect(p, 44, 34, 92, 62, GREY)       # beam web over it
    bolts(p, [52], [40, 48, 56])
    return p


def main():
    lib = Path(sys.argv[1] if len(sys.argv) > 1 else "library")
    folder = lib / "Macros"
    folder.mkdir(parents=True, exist_ok=True)
    for name, draw in (("EndPlateBeamToColumn", end_plate), ("BasePlate", base_plate),
                       ("FinPlate", fin_plate)):
        (folder / f"{name}.bmp").write_bytes(bmp(draw()))


if __name__ == "__main__":
    main()
