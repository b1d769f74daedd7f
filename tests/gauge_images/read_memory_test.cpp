// What reading a picture costs in memory, measured: every heap allocation
// of this program (Qt's included) is counted through the C library's own
// allocator, and the peak of the bytes in use while a file is read is
// compared with what the file and its pixels need. Built without the
// sanitizers only, which bring allocators of their own.
#include "KeplerControls/bitmap.h"
#include "bmp_fixture.h"
#include "bmp_reader.h"
#include "cover_mask.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cerrno>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>
#include <malloc.h>

using namespace Kepler;

extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* p, std::size_t size) noexcept;
void* __libc_memalign(std::size_t alignment, std::size_t size) noexcept;
void __libc_free(void* p) noexcept;
}

namespace {

std::atomic<long long> InUse{0};
std::atomic<long long> Peak{0};
std::atomic<long long> Largest{0};

void Raise(std::atomic<long long>& mark, long long v)
{
    long long seen = mark.load();
    while (v > seen && !mark.compare_exchange_weak(seen, v)) {
    }
}

void* Counted(void* p)
{
    if (p) {
        const auto size = static_cast<long long>(malloc_usable_size(p));
        Raise(Peak, InUse.fetch_add(size) + size);
        Raise(Largest, size);
    }
    return p;
}

void Uncount(void* p)
{
    if (p)
        InUse.fetch_sub(static_cast<long long>(malloc_usable_size(p)));
}

} // namespace

extern "C" {
void* malloc(std::size_t size) noexcept { return Counted(__libc_malloc(size)); }
void* calloc(std::size_t count, std::size_t size) noexcept { return Counted(__libc_calloc(count, size)); }
void free(void* p) noexcept
{
    Uncount(p);
    __libc_free(p);
}
void* realloc(void* p, std::size_t size) noexcept
{
    const long long before = p ? static_cast<long long>(malloc_usable_size(p)) : 0;
    void* q = __libc_realloc(p, size);
    if (q || size == 0)
        InUse.fetch_sub(before);
    return Counted(q);
}
void* memalign(std::size_t alignment, std::size_t size) noexcept
{
    return Counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept
{
    return Counted(__libc_memalign(alignment, size));
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept
{
    void* p = Counted(__libc_memalign(alignment, size));
    if (!p)
        return ENOMEM;
    *out = p;
    return 0;
}
}

namespace {

// The peak of bytes in use above what was in use before, and the largest
// single allocation, while f runs.
template <typename F>
std::pair<long long, long long> Measure(F f)
{
    const long long before = InUse.load();
    Peak.store(before);
    Largest.store(0);
    f();
    return {Peak.load() - before, Largest.load()};
}

std::uint32_t Stripes(int x, int y) { return std::uint32_t((x * 37 + y * 11) % 7) * 0x230517u; }

// A picture of a few kilobytes reads with a few kilobytes: the file, its
// pixels twice (as stored and as shown) and Qt's bookkeeping, never a
// buffer sized for the largest file.
TEST(BmpReadMemory, ASmallFileNeedsLittleMoreThanItsPixels)
{
    struct Case {
        const char* Name;
        int Width, Height, Bpp;
    };
    const Case cases[] = {
        {"40 by 30, 24 bits (3,654 bytes)", 40, 30, 24},
        {"40 by 30, 8 bits", 40, 30, 8},
        {"9 by 9, 1 bit", 9, 9, 1},
        {"64 by 64, 24 bits", 64, 64, 24},
    };
    FixtureDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<QRgb> palette(c.Bpp <= 8 ? std::size_t(1) << c.Bpp : 0, qRgb(1, 2, 3));
        const QByteArray file = BmpBytes(c.Width, c.Height, c.Bpp, palette, [&c](int x, int y) {
            return c.Bpp <= 8 ? Stripes(x, y) % (1u << c.Bpp) : Stripes(x, y);
        });
        const QString path = dir.Write("small.bmp", file);
        TBitmap b;
        const long long peak = Measure([&] { ReadBitmapFile(path, b); }).first;
        const long long pixels = 4LL * c.Width * c.Height;
        const long long bound = file.size() + 2 * pixels + 64 * 1024;
        EXPECT_LE(peak, bound) << "peak " << peak << " bytes for a file of " << file.size();
    }
}

// A cover is read twice, once as the picture and once as its mask: twice
// the measure of one read at most.
TEST(BmpReadMemory, ACoverReadTwiceStaysSmall)
{
    FixtureDir dir;
    const QByteArray file = BmpBytes(40, 30, 24, {}, Stripes);
    const QString path = dir.Write("cover.bmp", file);
    TBitmap cover, mask;
    const long long peak = Measure([&] {
                               ReadBitmapFile(path, cover);
                               ReadBitmapFile(path, mask);
                           }).first;
    EXPECT_LE(peak, 2 * (file.size() + 2 * 4800) + 64 * 1024);
}

// The largest picture accepted: no single allocation exceeds the documented
// limit of decoded bytes, however the file is coded (here a tiny RLE8 file
// that decodes to the whole limit).
TEST(BmpReadMemory, TheLargestPictureKeepsEveryAllocationWithinTheLimit)
{
    const int w = 8192;
    const int h = int(MaxBitmapBytes / 4 / w);
    QByteArray file = BmpBytes(w, h, 8, {qRgb(0, 0, 0)}, [](int, int) { return 0u; });
    const int pixelOffset = 14 + 40 + 4;
    file.truncate(pixelOffset);
    file.append(QByteArray::fromHex("0001"));
    file[30] = 1; // RLE8
    FixtureDir dir;
    const QString path = dir.Write("largest.bmp", file);
    TBitmap b;
    const auto [peak, largest] = Measure([&] { ReadBitmapFile(path, b); });
    EXPECT_EQ(b.Width(), w);
    EXPECT_EQ(b.Height(), h);
    EXPECT_LE(largest, MaxBitmapBytes + 4096);
    EXPECT_LE(peak, MaxBitmapBytes + MaxBitmapBytes / 4 + 1024 * 1024);
}

// A large picture: the file's bytes are let go once the pixels are decoded,
// and the pixels are decoded straight into the bitmap. At most the file and
// the pixels are held at once, never the file, a decoded copy and the
// bitmap (a 50 MB file cost 177 MB that way).
TEST(BmpReadMemory, ALargeFileIsNotHeldBesideTwoCopiesOfItsPixels)
{
    struct Case {
        const char* Name;
        int Width, Height, Bpp;
    };
    const Case cases[] = {
        {"2048 by 2048, 24 bits (12 MB)", 2048, 2048, 24},
        {"2048 by 2048, 8 bits (4 MB)", 2048, 2048, 8},
    };
    FixtureDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<QRgb> palette(c.Bpp == 8 ? 256 : 0, qRgb(9, 8, 7));
        const QByteArray file = BmpBytes(c.Width, c.Height, c.Bpp, palette,
                                         [&c](int x, int y) { return c.Bpp == 8 ? Stripes(x, y) % 256 : Stripes(x, y); });
        const QString path = dir.Write("large.bmp", file);
        TBitmap b;
        const long long peak = Measure([&] { ReadBitmapFile(path, b); }).first;
        const long long pixels = 4LL * c.Width * c.Height;
        // Palette pictures keep their indices (one byte a pixel) beside the
        // pixels shown; the file is gone before the pixels are made.
        const long long kept = c.Bpp == 8 ? pixels + pixels / 4 : pixels;
        const long long bound = std::max<long long>(file.size() + kept, kept) + 1024 * 1024;
        EXPECT_LE(peak, bound) << "peak " << peak << " bytes for a file of " << file.size();
    }
}

// A tiny run-length file that decodes to the largest square read as a
// cover: the picture, its mask copy and the mask built in place, each kept
// as indices and pixels shown, and no more (it cost 211 MB).
TEST(BmpReadMemory, ALargeCoverAndItsMaskAreHeldOnceEach)
{
    const int w = 4096, h = 4096;
    QByteArray file = BmpBytes(w, h, 8, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, [](int, int) { return 0u; });
    const int pixelOffset = 14 + 40 + 8;
    file.truncate(pixelOffset);
    for (int row = 0; row < 100; ++row)
        file.append(QByteArray::fromHex("ff01ff010000"));
    file.append(QByteArray::fromHex("0001"));
    file[30] = 1; // RLE8
    FixtureDir dir;
    const QString path = dir.Write("cover.bmp", file);
    TBitmap cover, mask;
    const long long peak = Measure([&] {
                               ReadBitmapFile(path, cover);
                               ReadBitmapFile(path, mask);
                               MakeCoverMask(mask);
                           }).first;
    const long long onePicture = 4LL * w * h + 1LL * w * h; // pixels shown and indices
    // The mask's indices: 1 became 0 (the runs of the bottom rows), 0 became 255.
    ASSERT_NE(mask.Stored(), nullptr);
    const std::vector<std::uint8_t>& indices = mask.Stored()->Indices;
    EXPECT_EQ(indices[std::size_t(h - 1) * w], 0);
    EXPECT_EQ(indices[std::size_t(h - 1) * w + 600], 255);
    EXPECT_EQ(indices[0], 255);
    EXPECT_EQ(cover.Stored()->Indices[std::size_t(h - 1) * w], 1);
    EXPECT_LE(peak, 2 * onePicture + 1024 * 1024) << "peak " << peak;
}

// A direct-colour cover and its mask: the mask is made in the pixels of its
// own copy, with no third or fourth picture on the way.
TEST(BmpReadMemory, ADirectColourCoverAndItsMaskAreHeldOnceEach)
{
    const int w = 2048, h = 2048;
    const QByteArray file = BmpBytes(w, h, 24, {}, Stripes);
    FixtureDir dir;
    const QString path = dir.Write("cover24.bmp", file);
    TBitmap cover, mask;
    const long long peak = Measure([&] {
                               ReadBitmapFile(path, cover);
                               ReadBitmapFile(path, mask);
                               MakeCoverMask(mask);
                           }).first;
    const long long pixels = 4LL * w * h;
    EXPECT_EQ(mask.Pixel(0, 0), Stripes(0, 0) == 0 ? clWhite : clBlack);
    EXPECT_EQ(mask.Pixel(1, 0), Stripes(1, 0) == 0 ? clWhite : clBlack);
    EXPECT_LE(peak, 2 * pixels + file.size() + 1024 * 1024) << "peak " << peak;
}

} // namespace
