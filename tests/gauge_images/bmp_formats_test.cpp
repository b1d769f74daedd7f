// Every header version (12, 40, 52, 56, 108, 124 bytes) and every depth,
// bit-field masks of 4, 5, 6, 8 and 10 bits among them, against a model of
// the format written from its description: the file is generated here from
// chosen channel values, and the model says what each pixel must show.
//
// The model widens a k-bit channel value v to 8 bits as v * 255 / (2^k - 1)
// rounded to the nearest, so full scale is 255 at every width.
#include "KeplerControls/bitmap.h"
#include "bmp_fixture.h"
#include "bmp_reader.h"
#include "qt_bitmap.h"

#include <gtest/gtest.h>
#include <array>
#include <bit>
#include <cmath>
#include <random>
#include <string>

using namespace Kepler;

namespace {

struct FormatCase {
    std::string Name;
    int HeaderSize;
    int Bpp;
    bool Bitfields;
    std::array<std::uint32_t, 3> Masks; // red, green, blue; for bit fields
    bool TopDown;
    int PaletteColours; // palette formats: entries listed, 0 for all
    // Bit fields with an alpha mask (BI_ALPHABITFIELDS, compression 6); the
    // alpha channel is not shown.
    std::uint32_t AlphaMask = 0;
    bool Alpha() const { return AlphaMask != 0; }
};

void Le(QByteArray& b, std::uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.append(char(v >> (8 * i) & 0xFF));
}

// The value a mask's bits hold at most, and a channel value put into them.
std::uint64_t MaskMax(std::uint32_t mask)
{
    return mask == 0 ? 0 : (std::uint64_t(1) << std::popcount(mask)) - 1;
}

std::uint32_t IntoMask(std::uint64_t v, std::uint32_t mask)
{
    return mask == 0 ? 0 : std::uint32_t(v << std::countr_zero(mask)) & mask;
}

int ModelWiden(std::uint64_t v, std::uint32_t mask)
{
    return mask == 0 ? 0 : int(std::lround(double(v) * 255.0 / double(MaskMax(mask))));
}

// The fixed layouts a file without bit fields has.
std::array<std::uint32_t, 3> PlainMasks(int bpp)
{
    if (bpp == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

struct Generated {
    QByteArray File;
    std::vector<std::vector<QRgb>> Expected; // [y][x], top-down
    std::vector<std::vector<int>> Indices;   // palette formats
};

Generated Generate(const FormatCase& c, int w, int h, std::mt19937& random)
{
    Generated g;
    const bool palette = c.Bpp <= 8;
    const bool core = c.HeaderSize == 12;
    const auto masks = c.Bitfields ? c.Masks : PlainMasks(c.Bpp);
    // The palette: distinct colours, fewer than 2^bpp when the case says so.
    const int listed = palette ? (c.PaletteColours ? c.PaletteColours : 1 << c.Bpp) : 0;
    std::vector<QRgb> colours;
    for (int i = 0; i < listed; ++i)
        colours.push_back(qRgb(int(random() % 256), int(random() % 256), i % 256));
    // Pixels: the first column all zero, the second full scale, then random.
    const int stride = (w * c.Bpp + 31) / 32 * 4;
    QByteArray pixels(stride * h, '\0');
    g.Expected.assign(std::size_t(h), std::vector<QRgb>(std::size_t(w)));
    g.Indices.assign(std::size_t(h), std::vector<int>(std::size_t(w)));
    for (int y = 0; y < h; ++y) {
        char* row = pixels.data() + (c.TopDown ? y : h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            if (palette) {
                const int index = x == 0 ? 0 : x == 1 ? listed - 1 : int(random() % std::uint32_t(listed));
                const int bit = x * c.Bpp;
                row[bit / 8] = char(std::uint8_t(row[bit / 8]) | index << (8 - c.Bpp - bit % 8));
                g.Indices[std::size_t(y)][std::size_t(x)] = index;
                g.Expected[std::size_t(y)][std::size_t(x)] = colours[std::size_t(index)];
                continue;
            }
            std::uint32_t value = 0;
            int shown[3];
            for (int k = 0; k < 3; ++k) {
                const std::uint64_t max = MaskMax(masks[std::size_t(k)]);
                const std::uint64_t v = x == 0 ? 0 : x == 1 ? max : (max ? random() % (max + 1) : 0);
                value |= IntoMask(v, masks[std::size_t(k)]);
                shown[k] = ModelWiden(v, masks[std::size_t(k)]);
            }
            // Bits outside the masks carry noise that must not show.
            std::uint32_t noise = random();
            for (std::uint32_t m : masks)
                noise &= ~m;
            value |= noise;
            for (int i = 0; i < c.Bpp / 8; ++i)
                row[x * (c.Bpp / 8) + i] = char(value >> (8 * i) & 0xFF);
            g.Expected[std::size_t(y)][std::size_t(x)] = qRgb(shown[0], shown[1], shown[2]);
        }
    }
    // Headers: the file header, the bitmap header of the case's size, the
    // masks after a 40-byte header, the palette, a gap, the pixels.
    QByteArray info;
    Le(info, std::uint32_t(c.HeaderSize), 4);
    if (core) {
        Le(info, std::uint32_t(w), 2);
        Le(info, std::uint32_t(h), 2);
        Le(info, 1, 2);
        Le(info, std::uint32_t(c.Bpp), 2);
    } else {
        Le(info, std::uint32_t(w), 4);
        Le(info, std::uint32_t(c.TopDown ? -h : h), 4);
        Le(info, 1, 2);
        Le(info, std::uint32_t(c.Bpp), 2);
        Le(info, c.Alpha() ? 6 : c.Bitfields ? 3 : 0, 4);
        Le(info, std::uint32_t(pixels.size()), 4);
        Le(info, 2835, 4);
        Le(info, 2835, 4);
        Le(info, std::uint32_t(c.PaletteColours), 4);
        Le(info, 0, 4);
        // Masks in the header, or after it; a file without bit fields carries
        // decoys in the longer headers, which must be ignored.
        const std::array<std::uint32_t, 3> decoys{0x3FF, 0xFFC00, 0x3FF00000};
        if (c.HeaderSize > 40 || c.Bitfields)
            for (std::uint32_t m : c.Bitfields ? c.Masks : decoys)
                Le(info, m, 4);
        // The alpha mask follows the colour masks where the header has room
        // for it, and after a 40-byte header.
        if (c.Alpha() && c.HeaderSize != 52)
            Le(info, c.AlphaMask, 4);
        const int masksAfter = c.HeaderSize == 40 && c.Bitfields ? (c.Alpha() ? 16 : 12) : 0;
        while (info.size() < c.HeaderSize + masksAfter)
            info.append(char(random() % 256)); // alpha mask, colour space, profile
    }
    QByteArray table;
    for (QRgb col : colours) {
        table.append(char(qBlue(col))).append(char(qGreen(col))).append(char(qRed(col)));
        if (!core)
            table.append('\0');
    }
    const QByteArray gap(3, '\x77');
    const std::uint32_t offset = 14 + std::uint32_t(info.size() + table.size() + gap.size());
    QByteArray f("BM");
    Le(f, offset + std::uint32_t(pixels.size()), 4);
    Le(f, 0, 4);
    Le(f, offset, 4);
    g.File = f + info + table + gap + pixels;
    return g;
}

std::vector<FormatCase> Cases()
{
    std::vector<FormatCase> cases;
    const int headers[] = {12, 40, 52, 56, 108, 124};
    for (int header : headers) {
        const std::string h = std::to_string(header) + "-byte header, ";
        for (int bpp : {1, 4, 8})
            for (int listed : {0, 2}) {
                if (listed && header == 12)
                    continue; // the core header always lists the full palette
                cases.push_back({h + std::to_string(bpp) + " bits, " + (listed ? "2 colours listed" : "full palette"),
                                 header, bpp, false, {}, false, listed});
            }
        for (int bpp : {16, 24, 32})
            for (bool topDown : {false, true}) {
                if (topDown && header == 12)
                    continue; // the core header has no sign for its height
                cases.push_back(
                    {h + std::to_string(bpp) + " bits" + (topDown ? ", top-down" : ""), header, bpp, false, {}, topDown, 0});
            }
        if (header == 12)
            continue; // no bit fields in the core header
        struct Fields {
            const char* Name;
            int Bpp;
            std::array<std::uint32_t, 3> Masks;
        };
        const Fields fields[] = {
            {"16 bits 5-5-5", 16, {0x7C00, 0x03E0, 0x001F}},
            {"16 bits 5-6-5", 16, {0xF800, 0x07E0, 0x001F}},
            {"16 bits 4-4-4", 16, {0x0F00, 0x00F0, 0x000F}},
            {"16 bits 6-5-5, blue first", 16, {0x003F, 0x07C0, 0xF800}},
            {"16 bits 8-4-4", 16, {0xFF00, 0x00F0, 0x000F}},
            {"32 bits 8-8-8", 32, {0xFF0000, 0x00FF00, 0x0000FF}},
            {"32 bits 8-8-8, blue high", 32, {0x0000FF00, 0x00FF0000, 0xFF000000}},
            {"32 bits 10-10-10", 32, {0x3FF00000, 0x000FFC00, 0x000003FF}},
            {"32 bits 10-10-10, red low", 32, {0x000003FF, 0x000FFC00, 0x3FF00000}},
            {"32 bits with 16-bit masks 5-6-5", 32, {0xF800, 0x07E0, 0x001F}},
            {"32 bits, green absent", 32, {0xFF0000, 0, 0x0000FF}},
        };
        for (const Fields& f : fields)
            for (bool topDown : {false, true}) {
                cases.push_back(
                    {h + "bit fields " + f.Name + (topDown ? ", top-down" : ""), header, f.Bpp, true, f.Masks, topDown, 0});
            }
        // Bit fields with an alpha mask; the pixels' alpha bits carry noise.
        const struct {
            const char* Name;
            int Bpp;
            std::array<std::uint32_t, 3> Masks;
            std::uint32_t Alpha;
        } alphaFields[] = {
            {"32 bits 8-8-8-8", 32, {0xFF0000, 0x00FF00, 0x0000FF}, 0xFF000000},
            {"32 bits 10-10-10-2", 32, {0x3FF00000, 0x000FFC00, 0x000003FF}, 0xC0000000},
            {"16 bits 4-4-4-4", 16, {0x0F00, 0x00F0, 0x000F}, 0xF000},
            {"16 bits 5-5-5-1", 16, {0x7C00, 0x03E0, 0x001F}, 0x8000},
        };
        for (const auto& f : alphaFields)
            for (bool topDown : {false, true})
                cases.push_back({h + "alpha bit fields " + f.Name + (topDown ? ", top-down" : ""), header, f.Bpp, true,
                                 f.Masks, topDown, 0, f.Alpha});
    }
    return cases;
}

TEST(BmpFormats, EveryHeaderVersionAndDepthMatchesTheModel)
{
    std::mt19937 random(20260523);
    FixtureDir dir;
    int files = 0;
    for (const FormatCase& c : Cases()) {
        SCOPED_TRACE(c.Name);
        for (const auto& [w, h] : {std::pair{7, 3}, std::pair{2, 1}, std::pair{33, 5}}) {
            const Generated g = Generate(c, w, h, random);
            TBitmap b;
            ASSERT_NO_THROW(ReadBitmapFile(dir.Write("format.bmp", g.File), b));
            ++files;
            ASSERT_EQ(b.Width(), w);
            ASSERT_EQ(b.Height(), h);
            EXPECT_EQ(b.BitsPerPixel(), c.Bpp);
            int wrong = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const QRgb want = g.Expected[std::size_t(y)][std::size_t(x)];
                    const TColor got = b.Pixel(x, y);
                    if (got != RGB(qRed(want), qGreen(want), qBlue(want)) && wrong++ < 3)
                        ADD_FAILURE() << w << " by " << h << " at " << x << "," << y << ": got " << std::hex << got
                                      << ", want " << RGB(qRed(want), qGreen(want), qBlue(want));
                    if (c.Bpp <= 8) {
                        EXPECT_EQ(StoredImage(b).pixelIndex(x, y), g.Indices[std::size_t(y)][std::size_t(x)]);
                    }
                }
        }
    }
    EXPECT_GT(files, 300);
}

// Alpha bit fields (compression 6) only where the format has them: with 16
// or 32 bits per pixel, and in no 12-byte or 64-byte (OS/2) header.
TEST(BmpFormats, AlphaBitFieldsOnlyWhereTheFormatHasThem)
{
    struct Case {
        const char* Name;
        int HeaderSize;
        int Bpp;
        const char* Reason; // null: read
    };
    const Case cases[] = {
        {"40-byte header, 32 bits", 40, 32, nullptr},
        {"40-byte header, 16 bits", 40, 16, nullptr},
        {"52-byte header, 32 bits", 52, 32, nullptr},
        {"56-byte header, 32 bits", 56, 32, nullptr},
        {"108-byte header, 16 bits", 108, 16, nullptr},
        {"124-byte header, 32 bits", 124, 32, nullptr},
        {"40-byte header, 24 bits", 40, 24, "compression 6 with 24 bits per pixel"},
        {"40-byte header, 8 bits", 40, 8, "compression 6 with 8 bits per pixel"},
        {"64-byte header, 32 bits", 64, 32, "64-byte header"},
    };
    FixtureDir dir;
    std::mt19937 random(6);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FormatCase f{c.Name, c.HeaderSize == 64 ? 40 : c.HeaderSize, c.Bpp == 16 || c.Bpp == 32 ? c.Bpp : 32, true,
                     {0xFF0000, 0x00FF00, 0x0000FF}, false, 0, 0xFF000000};
        if (c.Bpp == 16)
            f.Masks = {0x0F00, 0x00F0, 0x000F}, f.AlphaMask = 0xF000;
        QByteArray file = Generate(f, 5, 2, random).File;
        if (c.Bpp != f.Bpp)
            file[14 + 14] = char(c.Bpp); // bits per pixel
        if (c.HeaderSize == 64) {
            // The same file with its header declared as OS/2's.
            file[14] = char(64);
        }
        TBitmap b(3, 3);
        const QString path = dir.Write("alpha.bmp", file);
        if (!c.Reason) {
            ASSERT_NO_THROW(ReadBitmapFile(path, b));
            EXPECT_EQ(b.Width(), 5);
            EXPECT_EQ(b.BitsPerPixel(), c.Bpp);
            continue;
        }
        try {
            ReadBitmapFile(path, b);
            ADD_FAILURE() << "read";
        } catch (const EMeterImageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(b.Width(), 3);
    }
}

// The rounding scale at the ends and the middle of each width, by hand.
TEST(BmpFormats, ChannelWideningRoundsToTheNearest)
{
    struct Case {
        const char* Name;
        std::uint32_t Mask;
        std::uint32_t Value;
        int Shown;
    };
    const Case cases[] = {
        {"5 bits full scale", 0x7C00, 31, 255}, {"5 bits 16", 0x7C00, 16, 132}, {"5 bits 1", 0x7C00, 1, 8},
        {"6 bits full scale", 0x07E0, 63, 255}, {"6 bits 32", 0x07E0, 32, 130}, {"4 bits 15", 0x0F00, 15, 255},
        {"4 bits 1", 0x0F00, 1, 17},            {"10 bits 1023", 0x3FF, 1023, 255}, {"10 bits 2", 0x3FF, 2, 0},
        {"10 bits 3", 0x3FF, 3, 1},              {"10 bits 512", 0x3FF, 512, 128},   {"8 bits 200", 0xFF, 200, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ModelWiden(c.Value, c.Mask), c.Shown); // the model itself, by hand
        const FormatCase f{c.Name, 40, c.Mask > 0xFFFF || c.Mask == 0x3FF ? 32 : 16, true, {c.Mask, 0, 0}, false, 0};
        std::mt19937 random(1);
        QByteArray file = Generate(f, 1, 1, random).File;
        const int at = int(file.size()) - 4;
        const std::uint32_t pixel = IntoMask(c.Value, c.Mask);
        for (int i = 0; i < f.Bpp / 8; ++i)
            file[at + i] = char(pixel >> (8 * i) & 0xFF);
        FixtureDir dir;
        TBitmap b;
        ReadBitmapFile(dir.Write("one.bmp", file), b);
        EXPECT_EQ(b.Pixel(0, 0), RGB(std::uint8_t(c.Shown), 0, 0));
    }
}

} // namespace
