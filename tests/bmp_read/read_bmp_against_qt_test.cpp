// The raster layer's BMP reader against Qt's, on thousands of small random
// files of every kind both read: the same size and, pixel by pixel, the
// same colours. Channels narrower than 8 bits (16-bit pictures) are the
// one known difference: Qt shifts a k-bit value v up to v * 2^(8-k), so
// that full scale is not white (5 bits 31 shows 248), while the raster
// reader scales to the nearest of v * 255 / (2^k - 1). There both must
// agree in the high k bits, which hold v.
#include "KeplerControls/bitmap.h"
#include "bmp_builder.h"
#include "indexed_picture.h"
#include "read_bmp.h"

#include <QByteArray>
#include <QImage>
#include <QList>

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

using namespace Kepler;

namespace {

struct TMasks {
    const char* Name;
    int Bpp;
    std::array<std::uint32_t, 4> Masks;
    std::array<int, 3> Bits; // the width of each colour channel
};

const TMasks FieldLayouts[] = {
    {"5-6-5", 16, {0xF800, 0x07E0, 0x001F, 0}, {5, 6, 5}},
    {"5-5-5", 16, {0x7C00, 0x03E0, 0x001F, 0}, {5, 5, 5}},
    {"4-4-4", 16, {0x0F00, 0x00F0, 0x000F, 0}, {4, 4, 4}},
    {"8-8-8", 32, {0xFF0000, 0x00FF00, 0x0000FF, 0}, {8, 8, 8}},
    {"8-8-8 blue high", 32, {0x0000FF00, 0x00FF0000, 0xFF000000, 0}, {8, 8, 8}},
};

struct TRandomFile {
    std::string Name;
    TBmpPlan Plan;
    std::array<int, 3> Bits{8, 8, 8};
    bool Exact() const { return Bits == std::array<int, 3>{8, 8, 8}; }
};

TRandomFile RandomFile(std::mt19937& random)
{
    const auto pick = [&random](int n) { return int(random() % std::uint32_t(n)); };
    TRandomFile f;
    TBmpPlan& s = f.Plan;
    s.Width = 1 + pick(17);
    s.Height = 1 + pick(9);
    const int bpps[] = {1, 4, 8, 16, 24, 32};
    s.Bpp = bpps[pick(6)];
    const int headers[] = {12, 40, 108, 124};
    s.HeaderSize = headers[pick(4)];
    if (s.HeaderSize == 12 && (s.Bpp == 16 || s.Bpp == 32))
        s.HeaderSize = 40; // the 12-byte header knows 1, 4, 8 and 24 bits
    s.TopDown = s.HeaderSize != 12 && pick(2) == 0;
    f.Name = std::to_string(s.Width) + " by " + std::to_string(s.Height) + ", " + std::to_string(s.Bpp) + " bits, " +
             std::to_string(s.HeaderSize) + "-byte header" + (s.TopDown ? ", top-down" : "");
    if (s.Bpp <= 8) {
        const int all = 1 << s.Bpp;
        s.ListAll = s.HeaderSize == 12 || pick(2) == 0;
        const int listed = s.ListAll ? all : 1 + pick(all);
        for (int i = 0; i < listed; ++i)
            s.Palette.push_back(std::uint32_t(random()) & 0xFFFFFFu);
        if (s.Bpp >= 4 && !s.TopDown && s.HeaderSize != 12 && pick(3) == 0) {
            s.Compression = s.Bpp == 8 ? 1 : 2;
            f.Name += ", run-length";
        }
        // Runs of equal indices now and then, so that run-length files have
        // long runs too.
        std::vector<std::uint32_t> indices;
        for (int i = 0; i < s.Width * s.Height; ++i)
            indices.push_back(pick(3) == 0 && !indices.empty() ? indices.back() : std::uint32_t(pick(listed)));
        const int w = s.Width;
        s.Pixel = [indices, w](int x, int y) { return indices[std::size_t(y * w + x)]; };
        return f;
    }
    if ((s.Bpp == 16 || s.Bpp == 32) && s.HeaderSize != 12 && pick(2) == 0) {
        std::vector<const TMasks*> fitting;
        for (const TMasks& m : FieldLayouts)
            if (m.Bpp == s.Bpp)
                fitting.push_back(&m);
        const TMasks& m = *fitting[std::size_t(pick(int(fitting.size())))];
        s.Compression = 3;
        s.Masks = m.Masks;
        f.Bits = m.Bits;
        f.Name += std::string(", bit fields ") + m.Name;
    } else if (s.Bpp == 16) {
        f.Bits = {5, 5, 5};
    }
    std::vector<std::uint32_t> values;
    for (int i = 0; i < s.Width * s.Height; ++i)
        values.push_back(std::uint32_t(random()));
    const int w = s.Width;
    s.Pixel = [values, w](int x, int y) { return values[std::size_t(y * w + x)]; };
    return f;
}

TEST(ReadBmpAgainstQt, ThousandsOfRandomFilesShowWhatQtShows)
{
    std::mt19937 random(20261211);
    int compared = 0, exact = 0;
    for (int n = 0; n < 4000; ++n) {
        const TRandomFile f = RandomFile(random);
        SCOPED_TRACE(f.Name + " (file " + std::to_string(n) + ")");
        const TBmpBytes bytes = MakeBmp(f.Plan);
        const QImage qt = QImage::fromData(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), "BMP");
        TBitmap b;
        ASSERT_NO_THROW(DecodeBmp(bytes, "random.bmp", b));
        ASSERT_FALSE(qt.isNull()) << "Qt reads every kind made here";
        ASSERT_EQ(b.Width(), qt.width());
        ASSERT_EQ(b.Height(), qt.height());
        const QImage shown = qt.convertToFormat(QImage::Format_RGB32);
        int wrong = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const std::uint32_t mine = b.Bits()[y * b.Width() + x];
                const QRgb theirs = shown.pixel(x, y);
                const auto high = [](int channel, int bits) { return channel >> (8 - bits); };
                const bool same = high(qRed(mine), f.Bits[0]) == high(qRed(theirs), f.Bits[0]) &&
                                  high(qGreen(mine), f.Bits[1]) == high(qGreen(theirs), f.Bits[1]) &&
                                  high(qBlue(mine), f.Bits[2]) == high(qBlue(theirs), f.Bits[2]) &&
                                  qAlpha(mine) == 255;
                if (!same && wrong++ < 3)
                    ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << mine << ", Qt " << theirs;
            }
        ++compared;
        exact += f.Exact();
    }
    EXPECT_EQ(compared, 4000);
    EXPECT_GT(exact, 3000) << "most files are compared exactly";
}

// A palette picture's pixels are shown as Qt shows an indexed picture of
// the same palette, also for colours with alpha and for indices beyond a
// short palette.
TEST(ReadBmpAgainstQt, IndexedPicturesShowAsQtShowsThem)
{
    std::mt19937 random(7);
    for (int n = 0; n < 200; ++n) {
        const int colours = 1 + int(random() % 256);
        TStoredPicture picture{8, true, {}, {}};
        for (int i = 0; i < colours; ++i)
            picture.Palette.push_back(std::uint32_t(random()));
        for (int i = 0; i < 256; ++i)
            picture.Indices.push_back(std::uint8_t(i));
        QImage strip(256, 1, QImage::Format_Indexed8);
        strip.setColorTable(QList<QRgb>(picture.Palette.begin(), picture.Palette.end()));
        for (int i = 0; i < 256; ++i)
            strip.scanLine(0)[i] = uchar(i);
        const QImage qt = strip.convertToFormat(QImage::Format_RGB32);
        TBitmap b;
        AssignIndexedPicture(b, 256, 1, std::move(picture));
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(b.Bits()[i], qt.pixel(i, 0)) << "index " << i << " of " << colours << " colours";
    }
}

} // namespace
