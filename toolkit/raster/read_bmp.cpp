#include "read_bmp.h"
#include "indexed_picture.h"

#include "KeplerControls/bitmap.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <utility>

namespace Kepler {

namespace {

// Upper bound for a whole file: a row never takes more than 4 bytes per pixel
// uncompressed, plus generous room for headers, palette and run codes.
constexpr std::int64_t MaxFileBytes = MaxBitmapBytes + 64 * 1024;

constexpr std::int64_t FileHeaderBytes = 14;

enum : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

using TBytes = std::vector<std::uint8_t>;

// Bit fields with or without an alpha mask; the alpha channel is not shown.
bool WithMasks(std::uint32_t compression)
{
    return compression == BiBitfields || compression == BiAlphaBitfields;
}

[[noreturn]] void Fail(const std::string& name, const std::string& reason)
{
    throw EBitmapReadError("Cannot read bitmap file \"" + name + "\": " + reason);
}

std::string Str(std::int64_t v) { return std::to_string(v); }

// Little-endian fields of the headers; the caller has checked the bounds.
std::uint32_t U16(const TBytes& b, std::int64_t at)
{
    return std::uint32_t(b[std::size_t(at)]) | std::uint32_t(b[std::size_t(at + 1)]) << 8;
}

std::uint32_t U32(const TBytes& b, std::int64_t at)
{
    return U16(b, at) | U16(b, at + 2) << 16;
}

std::int32_t I32(const TBytes& b, std::int64_t at)
{
    return std::int32_t(U32(b, at));
}

std::int64_t Size(const TBytes& b) { return std::int64_t(b.size()); }

// Where the colour masks of a bit-field picture lie: right after a 40-byte
// header, or inside the longer headers at the same place.
constexpr std::int64_t MaskOffset = FileHeaderBytes + 40;

struct THeader {
    std::int64_t Width = 0;
    std::int64_t Height = 0; // negative: rows stored top-down
    std::uint32_t BitsPerPixel = 0;
    std::uint32_t Compression = BiRgb;
    std::uint32_t ColorsUsed = 0;
    std::uint32_t DibSize = 0;
    std::uint32_t PixelOffset = 0;
};

THeader ReadHeader(const TBytes& b, const std::string& name)
{
    if (Size(b) < FileHeaderBytes + 4)
        Fail(name, "the file is too short for a bitmap header");
    if (b[0] != 'B' || b[1] != 'M')
        Fail(name, "the file is not a bitmap");
    THeader h;
    h.PixelOffset = U32(b, 10);
    h.DibSize = U32(b, FileHeaderBytes);
    switch (h.DibSize) {
    case 12: case 40: case 52: case 56: case 64: case 108: case 124:
        break;
    default:
        Fail(name, "unknown bitmap header size " + Str(h.DibSize));
    }
    if (Size(b) < FileHeaderBytes + std::int64_t(h.DibSize))
        Fail(name, "the bitmap header is truncated");
    const std::int64_t d = FileHeaderBytes;
    std::uint32_t planes = 0;
    if (h.DibSize == 12) {
        h.Width = U16(b, d + 4);
        h.Height = U16(b, d + 6);
        planes = U16(b, d + 8);
        h.BitsPerPixel = U16(b, d + 10);
    } else {
        h.Width = I32(b, d + 4);
        h.Height = I32(b, d + 8);
        planes = U16(b, d + 12);
        h.BitsPerPixel = U16(b, d + 14);
        h.Compression = U32(b, d + 16);
        h.ColorsUsed = U32(b, d + 32);
    }
    if (planes != 1)
        Fail(name, Str(planes) + " colour planes");
    if (h.Width <= 0 || h.Height == 0)
        Fail(name, "the picture has no pixels (" + Str(h.Width) + " by " + Str(h.Height) + ")");
    // Both sides are below 2^31, so the product fits.
    if (h.Width * std::llabs(h.Height) > MaxBitmapBytes / 4)
        Fail(name, "the picture is too large (" + Str(h.Width) + " by " + Str(std::llabs(h.Height)) + ", at most " +
                       Str(MaxBitmapBytes / 4) + " pixels)");
    return h;
}

void CheckFormat(const THeader& h, const std::string& name)
{
    const std::uint32_t bpp = h.BitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        Fail(name, Str(bpp) + " bits per pixel are not supported");
    const bool fits = h.Compression == BiRgb || (h.Compression == BiRle8 && bpp == 8) ||
                      (h.Compression == BiRle4 && bpp == 4) ||
                      (WithMasks(h.Compression) && (bpp == 16 || bpp == 32));
    if (!fits)
        Fail(name, "compression " + Str(h.Compression) + " with " + Str(bpp) + " bits per pixel is not supported");
    // Run-length pictures are stored bottom-up only.
    if (h.Compression == BiRle8 || h.Compression == BiRle4) {
        if (h.Height < 0)
            Fail(name, "a compressed picture cannot be stored top-down");
    }
    // The 64-byte header's fields after the first 40 are no colour masks.
    if (WithMasks(h.Compression) && h.DibSize == 64)
        Fail(name, "bit fields in a 64-byte header are not supported");
}

void CheckLayout(const THeader& h, const TBytes& b, const std::string& name)
{
    const std::int64_t size = Size(b);
    std::int64_t tableEnd = FileHeaderBytes + std::int64_t(h.DibSize);
    if (WithMasks(h.Compression) && h.DibSize == 40)
        tableEnd += h.Compression == BiAlphaBitfields ? 16 : 12; // the colour masks follow the header
    if (h.BitsPerPixel <= 8) {
        const std::uint32_t maxColors = 1u << h.BitsPerPixel;
        if (h.ColorsUsed > maxColors)
            Fail(name, "the palette claims " + Str(h.ColorsUsed) + " colours, at most " + Str(maxColors) + " fit");
        const std::uint32_t colors = h.ColorsUsed != 0 ? h.ColorsUsed : maxColors;
        tableEnd += std::int64_t(colors) * (h.DibSize == 12 ? 3 : 4);
    }
    if (tableEnd > size)
        Fail(name, "the palette is truncated");
    if (h.PixelOffset < FileHeaderBytes + std::int64_t(h.DibSize) || h.PixelOffset >= size)
        Fail(name, "the pixel data offset " + Str(h.PixelOffset) + " lies outside the file");
    if (h.Compression == BiRgb || WithMasks(h.Compression)) {
        const std::int64_t stride = (h.Width * h.BitsPerPixel + 31) / 32 * 4;
        if (std::int64_t(h.PixelOffset) + stride * std::llabs(h.Height) > size)
            Fail(name, "the pixel data is truncated");
    }
}

std::uint32_t Opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

// The file's palette, padded with black to all 2^bpp indices so that an
// index beyond the colours the file lists still shows a defined colour.
std::vector<std::uint32_t> ReadPalette(const THeader& h, const TBytes& b)
{
    const std::uint32_t all = 1u << h.BitsPerPixel;
    const std::uint32_t listed = h.ColorsUsed != 0 ? h.ColorsUsed : all;
    const std::int64_t entry = h.DibSize == 12 ? 3 : 4;
    const std::int64_t at = FileHeaderBytes + std::int64_t(h.DibSize);
    std::vector<std::uint32_t> table(all, Opaque(0, 0, 0));
    for (std::uint32_t i = 0; i < listed; ++i) {
        const std::size_t e = std::size_t(at + std::int64_t(i) * entry);
        table[i] = Opaque(b[e + 2], b[e + 1], b[e]);
    }
    return table;
}

// One index a pixel, rows top down without gaps.
struct TIndexRows {
    std::uint8_t* Data;
    std::int64_t Width;
    std::int64_t Rows;
    std::uint8_t* Row(std::int64_t y) const { return Data + y * Width; }
};

// Uncompressed rows of 1, 4 or 8 bits per pixel, most significant bits first.
void ReadPaletteRows(const THeader& h, const TBytes& b, const TIndexRows& image)
{
    const int bpp = int(h.BitsPerPixel);
    const std::int64_t stride = (h.Width * bpp + 31) / 32 * 4;
    const std::int64_t rows = image.Rows;
    const std::uint8_t* data = b.data() + h.PixelOffset;
    const int mask = (1 << bpp) - 1;
    for (std::int64_t r = 0; r < rows; ++r) {
        const std::uint8_t* in = data + r * stride;
        std::uint8_t* out = image.Row(h.Height > 0 ? rows - 1 - r : r);
        for (std::int64_t x = 0; x < image.Width; ++x) {
            const std::int64_t bit = x * bpp;
            out[x] = std::uint8_t(in[bit / 8] >> (8 - bpp - bit % 8) & mask);
        }
    }
}

// Run-length coded rows (bottom-up). Pixels the runs leave out keep index 0;
// runs that reach past a row's end or past the data are cut off there.
void ReadRunLengthRows(const THeader& h, const TBytes& b, const TIndexRows& image)
{
    const bool four = h.Compression == BiRle4;
    const std::uint8_t* data = b.data();
    const std::int64_t end = Size(b);
    std::int64_t at = h.PixelOffset;
    const std::int64_t w = image.Width, rows = image.Rows;
    std::int64_t x = 0, y = 0; // y counts rows from the bottom
    const auto put = [&](std::uint8_t index) {
        if (x < w && y < rows)
            image.Row(rows - 1 - y)[x] = index;
        ++x;
    };
    while (at + 1 < end && y < rows) {
        const std::uint8_t count = data[at];
        const std::uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(four ? std::uint8_t(i % 2 ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of picture
            break;
        } else if (value == 2) { // skip right and up
            if (at + 1 >= end)
                break;
            x += data[at];
            y += data[at + 1];
            at += 2;
        } else { // absolute run of value pixels, padded to a whole word
            const std::int64_t bytes = four ? (value + 1) / 2 : value;
            for (int i = 0; i < value && at + (four ? i / 2 : i) < end; ++i) {
                const std::uint8_t byte = data[at + (four ? i / 2 : i)];
                put(four ? std::uint8_t(i % 2 ? byte & 0x0F : byte >> 4) : byte);
            }
            at += bytes + bytes % 2;
        }
    }
}

// One colour channel of a direct-colour pixel: the bits of its mask.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint64_t Max = 0; // the largest value the mask's width holds
};

TChannel Channel(std::uint32_t mask)
{
    if (mask == 0)
        return {};
    const int shift = std::countr_zero(mask);
    const int bits = std::bit_width(mask >> shift);
    return {mask, shift, (std::uint64_t(1) << bits) - 1};
}

// A k-bit value widened to 8 bits by a rounding scale, v * 255 / (2^k - 1)
// rounded to the nearest (never a tie, the divisor is odd): full scale
// gives 255 for every width, and 8-bit values stay as they are. A channel
// without mask bits is 0.
std::uint8_t Widen(std::uint32_t pixel, const TChannel& c)
{
    if (c.Max == 0)
        return 0;
    const std::uint64_t v = (pixel & c.Mask) >> c.Shift;
    return std::uint8_t((v * 255 + c.Max / 2) / c.Max);
}

// 16, 24 and 32 bits per pixel, straight into the pixels shown: masks from
// the file for bit fields (an alpha mask is passed over), else the fixed
// layouts (5-5-5 for 16 bits, a byte each for 24 and 32).
void DecodeDirectColourBitmap(const THeader& h, const TBytes& b, TBitmap& target)
{
    std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    if (WithMasks(h.Compression)) {
        for (int i = 0; i < 3; ++i)
            masks[i] = U32(b, MaskOffset + 4 * i);
    } else if (h.BitsPerPixel == 16) {
        masks[0] = 0x7C00u;
        masks[1] = 0x03E0u;
        masks[2] = 0x001Fu;
    }
    const TChannel red = Channel(masks[0]), green = Channel(masks[1]), blue = Channel(masks[2]);
    const int width = int(h.Width), rows = int(std::llabs(h.Height));
    target.SetSize(width, rows);
    const int bytesPerPixel = int(h.BitsPerPixel) / 8;
    const std::int64_t stride = (h.Width * h.BitsPerPixel + 31) / 32 * 4;
    const std::uint8_t* data = b.data() + h.PixelOffset;
    std::uint32_t* pixels = target.Bits();
    for (int r = 0; r < rows; ++r) {
        const std::uint8_t* in = data + std::int64_t(r) * stride;
        std::uint32_t* out = pixels + std::int64_t(h.Height > 0 ? rows - 1 - r : r) * width;
        for (int x = 0; x < width; ++x, in += bytesPerPixel) {
            std::uint32_t pixel = 0;
            for (int i = 0; i < bytesPerPixel; ++i)
                pixel |= std::uint32_t(in[i]) << (8 * i);
            out[x] = Opaque(Widen(pixel, red), Widen(pixel, green), Widen(pixel, blue));
        }
    }
    target.SetStored({int(h.BitsPerPixel), false, {}, {}});
}

// Palette pictures keep the file's palette as it is (in its order, a
// two-colour one too) and give pixels the runs of a compressed picture
// leave out index 0. The indices are read first; the file's bytes are let
// go before the pixels shown are made.
void DecodePaletteBitmap(const THeader& h, TBytes& b, TBitmap& target)
{
    const std::int64_t width = h.Width, rows = std::llabs(h.Height);
    TStoredPicture picture{int(h.BitsPerPixel), true, {}, ReadPalette(h, b)};
    picture.Indices.assign(std::size_t(width) * std::size_t(rows), 0);
    const TIndexRows indices{picture.Indices.data(), width, rows};
    if (h.Compression == BiRle8 || h.Compression == BiRle4)
        ReadRunLengthRows(h, b, indices);
    else
        ReadPaletteRows(h, b, indices);
    TBytes().swap(b);
    AssignIndexedPicture(target, int(width), int(rows), std::move(picture));
}

struct TCloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

void DecodeBmp(std::vector<std::uint8_t> bytes, const std::string& name, TBitmap& target)
{
    const THeader h = ReadHeader(bytes, name);
    CheckFormat(h, name);
    CheckLayout(h, bytes, name);

    // Every depth and header version is decoded here, by one reader, so that
    // no pixel depends on which of two readers a file went to.
    try {
        if (h.BitsPerPixel <= 8)
            DecodePaletteBitmap(h, bytes, target);
        else
            DecodeDirectColourBitmap(h, bytes, target);
    } catch (const std::bad_alloc&) {
        Fail(name, "not enough memory for the picture");
    }
}

void ReadBmpFile(const std::string& path, TBitmap& target)
{
    // Pipes and devices could block the reader indefinitely.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        Fail(path, "not a regular file");
    std::unique_ptr<std::FILE, TCloseFile> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        Fail(path, std::strerror(errno));
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        Fail(path, error.message());
    if (size > std::uintmax_t(MaxFileBytes))
        Fail(path, "the file is too large (" + std::to_string(size) + " bytes)");
    // Read into a bitmap of its own, so that a failure leaves the target as
    // it was; the file's bytes go as soon as the pixels no longer need them.
    TBitmap read;
    try {
        // Exactly what the file holds, and nothing more.
        TBytes bytes(static_cast<std::size_t>(size));
        if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
            Fail(path, "the file could not be read whole");
        file.reset();
        DecodeBmp(std::move(bytes), path, read);
    } catch (const std::bad_alloc&) {
        Fail(path, "not enough memory for the picture");
    }
    target.Swap(read);
}

} // namespace Kepler
