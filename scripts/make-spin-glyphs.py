#!/usr/bin/env python3
"""Writes the spin buttons' arrow glyphs resources/spinup.bmp and
resources/spindown.bmp: 9 by 6 pixels, 4 bits per pixel with the standard
16-colour palette, olive background, solid black triangle."""
import pathlib
import struct

# Standard 16-colour palette as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE = 0, 3
WIDTH, HEIGHT = 9, 6

# Black columns (first, last) of each row from the top; None for none.
UP = [None, (4, 4), (3, 5), (2, 6), (1, 7), None]
DOWN = [None, (1, 7), (2, 6), (3, 5), (4, 4), None]


def bmp(rows):
    stride = ((WIDTH * 4 + 31) // 32) * 4
    pixels = bytearray()
    for span in reversed(rows):  # bottom-up
        indices = [OLIVE] * WIDTH
        if span:
            for x in range(span[0], span[1] + 1):
                indices[x] = BLACK
        indices.append(0)  # pad the odd pixel count to whole bytes
        line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, WIDTH, 2))
        pixels += line.ljust(stride, b"\0")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(pixels), 3780, 3780, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "resources"
    out.mkdir(exist_ok=True)
    (out / "spinup.bmp").write_bytes(bmp(UP))
    (out / "spindown.bmp").write_bytes(bmp(DOWN))


if __name__ == "__main__":
    main()
