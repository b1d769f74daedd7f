"""Writes the 16 by 16 application icon, drawn by hand on the pixel grid.

At this size a rendering of the SVG smears the orbit into grey; here every
pixel is placed: the dark rounded square, the white orbit, the Sun (yellow)
near its right end, the planet (red) on it and the mean body (green) on the
dotted auxiliary circle above. The output carries no time stamps, so the
same grid gives the same bytes.

Usage: python3 make-icon-16.py OUTPUT.png
"""
import struct
import sys
import zlib

COLOURS = {
    ".": (0, 0, 0, 0),            # outside the rounded square
    "B": (0x1D, 0x35, 0x57, 255),  # background
    "W": (0xFF, 0xFF, 0xFF, 255),  # orbit
    "c": (0x6F, 0x8F, 0xB5, 255),  # auxiliary circle, dotted
    "Y": (0xFF, 0xD6, 0x0A, 255),  # Sun
    "y": (0xF4, 0xA1, 0x00, 255),  # Sun's rim
    "R": (0xE6, 0x39, 0x46, 255),  # planet
    "G": (0x2D, 0xC6, 0x53, 255),  # mean body
}

GRID = [
    "..BBBBBBBBBBBB..",
    ".BBBBBBBBBBBBBB.",
    "BBBBBBGGBBBBBBBB",
    "BBBBcBGGBBcBBBBB",
    "BBBBBBBBBBBBBBBB",
    "BBBRRWWWWWWBBcBB",
    "BBBRRBBBBBBWWBBB",
    "BBWBBBBBBYYBBWBB",
    "BBWBBBBBYYYYBWBB",
    "BBWBBBBBYYYYBWBB",
    "BBWBBBBBBYYBBWBB",
    "BBBWWBBBBBBWWBBB",
    "BBBBBWWWWWWBBBBB",
    "BBBBcBBBBBBcBBBB",
    ".BBBBBBBBBBBBBB.",
    "..BBBBBBBBBBBB..",
]


def png(grid):
    height, width = len(grid), len(grid[0])
    assert all(len(row) == width for row in grid)
    raw = b"".join(b"\0" + bytes(v for ch in row for v in COLOURS[ch]) for row in grid)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(png(GRID))
