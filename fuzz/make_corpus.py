#!/usr/bin/env python3
"""Writes the seed corpus of the bitmap fuzzer: small sound bitmaps of every
supported format and hostile ones (truncated, absurd or zero sizes, bad
palettes, broken run-length data, a PNG in disguise). The tests load each of
them too. Run from anywhere; writes next to this script."""
import os
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def row_bytes(width, bpp):
    return (width * bpp + 31) // 32 * 4


def bmp(width, height, bpp, pixels=b"", palette=None, compression=0,
        colors_used=None, dib_size=40, offset=None, extra=b"", header_masks=b""):
    if palette is None:
        palette = []
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    if colors_used is None:
        colors_used = len(palette)
    dib = struct.pack("<IiiHHIIiiII", dib_size, width, height, 1, bpp, compression,
                      len(pixels), 2835, 2835, colors_used, 0)
    dib += header_masks + b"\0" * (dib_size - len(dib) - len(header_masks))
    if offset is None:
        offset = 14 + dib_size + len(extra) + len(pal)
    body = dib + extra + pal + pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def gray_palette(n):
    return [(i * 255 // max(n - 1, 1),) * 3 for i in range(n)]


def rows(width, height, bpp, value):
    out = b""
    for y in range(height):
        line = bytes(value(x, y) for x in range(row_bytes(width, bpp)))
        out += line
    return out


def png_1x1():
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    ihdr = struct.pack(">IIBBBBB", 1, 1, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(b"\0\xff\0\0")) + chunk(b"IEND", b""))


def files():
    ok8 = bmp(5, 4, 8, rows(5, 4, 8, lambda x, y: (x + y) % 3), gray_palette(4))
    yield "ok_8bit.bmp", ok8
    yield "ok_1bit.bmp", bmp(9, 3, 1, rows(9, 3, 1, lambda x, y: 0xA5), [(0, 0, 0), (255, 255, 255)])
    yield "ok_4bit.bmp", bmp(7, 3, 4, rows(7, 3, 4, lambda x, y: 0x12), gray_palette(16))
    yield "ok_24bit.bmp", bmp(3, 2, 24, rows(3, 2, 24, lambda x, y: (x * 40) & 0xFF))
    yield "ok_32bit_topdown.bmp", bmp(2, -2, 32, rows(2, 2, 32, lambda x, y: x & 0xFF))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    yield "ok_16bit_bitfields.bmp", bmp(2, 2, 16, rows(2, 2, 16, lambda x, y: 0x1F), compression=3, extra=masks)
    # The longer headers carry the colour masks inside; 10-bit channels.
    masks565 = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    yield "ok_16bit_v2_header_bitfields.bmp", bmp(3, 2, 16, rows(3, 2, 16, lambda x, y: 0xE7 ^ x),
                                                  compression=3, dib_size=52, header_masks=masks565)
    masks10 = struct.pack("<IIII", 0x3FF00000, 0x000FFC00, 0x000003FF, 0)
    yield "ok_32bit_v3_header_10bit.bmp", bmp(2, 2, 32, rows(2, 2, 32, lambda x, y: 0xFF - x),
                                              compression=3, dib_size=56, header_masks=masks10)
    yield "ok_24bit_v5_header.bmp", bmp(3, -2, 24, rows(3, 2, 24, lambda x, y: 0x40 + x),
                                        dib_size=124)
    yield "ok_8bit_v4_header.bmp", bmp(5, 4, 8, rows(5, 4, 8, lambda x, y: (x + y) % 3), gray_palette(4),
                                       dib_size=108)
    yield "zero_masks_32bit.bmp", bmp(2, 2, 32, rows(2, 2, 32, lambda x, y: 0xFF), compression=3,
                                      dib_size=56)
    # Run-length: two runs then end of line and end of picture.
    rle8 = bytes([2, 1, 2, 0, 0, 0, 4, 2, 0, 1])
    yield "ok_rle8.bmp", bmp(4, 2, 8, rle8, gray_palette(4), compression=1)
    yield "ok_rle4.bmp", bmp(4, 1, 4, bytes([4, 0x12, 0, 1]), gray_palette(16), compression=2)

    # Hostile files.
    yield "empty.bmp", b""
    yield "truncated_file_header.bmp", ok8[:10]
    yield "truncated_info_header.bmp", ok8[:30]
    yield "truncated_palette.bmp", ok8[:14 + 40 + 6]
    yield "truncated_pixels.bmp", ok8[:-5]
    yield "huge_100000x100000.bmp", bmp(100000, 100000, 24, b"\0" * 16)
    yield "huge_height_negative.bmp", bmp(4, -2**31, 24, b"\0" * 16)
    yield "huge_rle8_4096.bmp", bmp(4096, 4096, 8, bytes([0, 1]), gray_palette(2), compression=1)
    yield "zero_width.bmp", bmp(0, 4, 24, b"")
    yield "zero_height.bmp", bmp(4, 0, 24, b"")
    yield "bad_palette_count.bmp", bmp(2, 2, 8, rows(2, 2, 8, lambda x, y: 1), gray_palette(2),
                                       colors_used=100000)
    yield "bad_palette_indices.bmp", bmp(2, 2, 8, rows(2, 2, 8, lambda x, y: 250), gray_palette(2))
    yield "bad_bitcount.bmp", bmp(2, 2, 7, b"\0" * 16)
    yield "bad_header_size.bmp", bmp(2, 2, 24, b"\0" * 16, dib_size=44)
    yield "bad_offset.bmp", bmp(2, 2, 24, b"\0" * 16, offset=0x7FFFFFF0)
    yield "rle8_overrun.bmp", bmp(2, 2, 8, bytes([255, 1, 0, 2, 200, 200, 255, 3]), gray_palette(4),
                                  compression=1)
    yield "rle4_absolute_overrun.bmp", bmp(3, 2, 4, bytes([0, 250, 0x12, 0x34]), gray_palette(16),
                                           compression=2)
    yield "rle8_topdown.bmp", bmp(2, -2, 8, bytes([2, 1, 0, 1]), gray_palette(4), compression=1)
    yield "jpeg_compression.bmp", bmp(2, 2, 24, b"\xff\xd8\xff", compression=4)
    yield "png_renamed.bmp", png_1x1()
    yield "text.bmp", b"BM this is not a bitmap at all\n"


def main():
    os.makedirs(HERE, exist_ok=True)
    for name, data in files():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
