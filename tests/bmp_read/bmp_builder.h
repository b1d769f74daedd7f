#pragma once
// BMP files made in the test, byte by byte, without Qt. Pixels are given
// top-down; the file stores them as the case says. A palette pixel is its
// index; a direct-colour pixel is the raw value the file stores.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

using TBmpBytes = std::vector<std::uint8_t>;

struct TBmpPlan {
    int Width = 1;
    int Height = 1;
    int Bpp = 24;
    int HeaderSize = 40;             // 12, 40, 52, 56, 64, 108 or 124
    std::uint32_t Compression = 0;   // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields, 6 with alpha
    bool TopDown = false;
    std::vector<std::uint32_t> Palette; // 0xRRGGBB, as many as listed
    bool ListAll = false;            // write 0 for "colours used" (all 2^bpp)
    std::array<std::uint32_t, 4> Masks{}; // red, green, blue, alpha for bit fields
    std::function<std::uint32_t(int x, int y)> Pixel = [](int, int) { return 0u; };
};

inline void PutLe(TBmpBytes& b, std::uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}

inline void SetLe(TBmpBytes& b, std::size_t at, std::uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.at(at + std::size_t(i)) = std::uint8_t(v >> (8 * i));
}

// Rows coded as runs: equal neighbours in one run (at most 255
// pixels a run), each row closed by an end of line, the picture by an end
// of picture. The runs cover every pixel.
inline TBmpBytes RunLengthRows(const TBmpPlan& s)
{
    TBmpBytes out;
    const bool four = s.Bpp == 4;
    for (int r = 0; r < s.Height; ++r) {
        const int y = s.Height - 1 - r;
        int x = 0;
        while (x < s.Width) {
            const std::uint32_t index = s.Pixel(x, y);
            int n = 1;
            while (x + n < s.Width && n < 255 && s.Pixel(x + n, y) == index)
                ++n;
            out.push_back(std::uint8_t(n));
            // A 4-bit run alternates the two indices of its byte; here both
            // are the same.
            out.push_back(std::uint8_t(four ? index << 4 | index : index));
            x += n;
        }
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
}

inline TBmpBytes PlainRows(const TBmpPlan& s)
{
    const int stride = (s.Width * s.Bpp + 31) / 32 * 4;
    TBmpBytes out(std::size_t(stride) * std::size_t(s.Height), 0);
    for (int y = 0; y < s.Height; ++y) {
        std::uint8_t* row = out.data() + std::size_t(s.TopDown ? y : s.Height - 1 - y) * std::size_t(stride);
        for (int x = 0; x < s.Width; ++x) {
            const std::uint32_t v = s.Pixel(x, y);
            if (s.Bpp >= 8) {
                for (int i = 0; i < s.Bpp / 8; ++i)
                    row[x * (s.Bpp / 8) + i] = std::uint8_t(v >> (8 * i));
            } else { // most significant bits first
                const int bit = x * s.Bpp;
                row[bit / 8] = std::uint8_t(row[bit / 8] | v << (8 - s.Bpp - bit % 8));
            }
        }
    }
    return out;
}

inline TBmpBytes MakeBmp(const TBmpPlan& s)
{
    const bool core = s.HeaderSize == 12;
    const bool runs = s.Compression == 1 || s.Compression == 2;
    const bool fields = s.Compression == 3 || s.Compression == 6;
    const TBmpBytes pixels = runs ? RunLengthRows(s) : PlainRows(s);
    TBmpBytes info;
    PutLe(info, std::uint32_t(s.HeaderSize), 4);
    if (core) {
        PutLe(info, std::uint32_t(s.Width), 2);
        PutLe(info, std::uint32_t(s.Height), 2);
        PutLe(info, 1, 2);
        PutLe(info, std::uint32_t(s.Bpp), 2);
    } else {
        PutLe(info, std::uint32_t(s.Width), 4);
        PutLe(info, std::uint32_t(s.TopDown ? -s.Height : s.Height), 4);
        PutLe(info, 1, 2);
        PutLe(info, std::uint32_t(s.Bpp), 2);
        PutLe(info, s.Compression, 4);
        PutLe(info, std::uint32_t(pixels.size()), 4);
        PutLe(info, 2835, 4);
        PutLe(info, 2835, 4);
        PutLe(info, s.ListAll ? 0 : std::uint32_t(s.Palette.size()), 4);
        PutLe(info, 0, 4);
        // The masks sit right after the first 40 bytes, inside the longer
        // headers or after a 40-byte one.
        if (s.HeaderSize > 40 || fields) {
            const int count = s.HeaderSize == 52 || (s.HeaderSize == 40 && s.Compression == 3) ? 3 : 4;
            for (int i = 0; i < count; ++i)
                PutLe(info, fields ? s.Masks[std::size_t(i)] : 0, 4);
        }
        while (info.size() < std::size_t(s.HeaderSize))
            info.push_back(0);
    }
    TBmpBytes table;
    for (const std::uint32_t c : s.Palette) {
        table.push_back(std::uint8_t(c));
        table.push_back(std::uint8_t(c >> 8));
        table.push_back(std::uint8_t(c >> 16));
        if (!core)
            table.push_back(0);
    }
    const std::uint32_t offset = 14 + std::uint32_t(info.size() + table.size());
    TBmpBytes f{'B', 'M'};
    PutLe(f, offset + std::uint32_t(pixels.size()), 4);
    PutLe(f, 0, 4);
    PutLe(f, offset, 4);
    f.insert(f.end(), info.begin(), info.end());
    f.insert(f.end(), table.begin(), table.end());
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}
