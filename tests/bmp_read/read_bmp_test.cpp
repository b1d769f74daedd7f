// The raster layer's BMP reader on its own, without Qt: well-formed files
// of every kind it reads, and malformed ones refused with a message that
// names the file and says what is wrong.
#include "KeplerControls/bitmap.h"
#include "bmp_builder.h"
#include "read_bmp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace Kepler;

namespace {

constexpr std::uint32_t Olive = 0x808000, Navy = 0x000080, White = 0xFFFFFF, Black = 0x000000;

// The pixel shown, as 0xRRGGBB.
std::uint32_t Shown(const TBitmap& b, int x, int y)
{
    return b.Bits()[std::size_t(y) * std::size_t(b.Width()) + std::size_t(x)] & 0xFFFFFFu;
}

int Index(const TBitmap& b, int x, int y)
{
    return b.Stored()->Indices[std::size_t(y) * std::size_t(b.Width()) + std::size_t(x)];
}

std::uint32_t Checker(int x, int y) { return std::uint32_t((x + y) % 2); }

struct TGoodCase {
    const char* Name;
    TBmpPlan Plan;
    int Bpp;                         // as kept
    std::uint32_t At00, At10, AtLast; // shown at (0,0), (1,0) and the last pixel
};

TEST(ReadBmp, WellFormedFilesShowTheirPixels)
{
    const std::vector<std::uint32_t> two{Olive, Navy};
    std::vector<std::uint32_t> full(256, White);
    full[0] = Olive;
    full[1] = Navy;
    const auto rgb = [](int x, int y) { return std::uint32_t(0x102030 * (x + 1) + y); };
    const TGoodCase cases[] = {
        {"1 bit, bottom-up", {3, 2, 1, 40, 0, false, two, false, {}, Checker}, 1, Olive, Navy, Navy},
        {"4 bits, top-down", {3, 2, 4, 40, 0, true, two, false, {}, Checker}, 4, Olive, Navy, Navy},
        {"8 bits, 12-byte header", {3, 2, 8, 12, 0, false, full, true, {}, Checker}, 8, Olive, Navy, Navy},
        {"8 bits, run-length", {3, 2, 8, 40, 1, false, two, false, {}, Checker}, 8, Olive, Navy, Navy},
        {"4 bits, run-length", {5, 2, 4, 40, 2, false, two, false, {}, [](int, int y) { return std::uint32_t(y); }}, 4,
         Olive, Olive, Navy},
        {"24 bits", {3, 2, 24, 40, 0, false, {}, false, {}, rgb}, 24, 0x102030, 0x204060, 0x306091},
        {"24 bits, top-down, 124-byte header", {3, 2, 24, 124, 0, true, {}, false, {}, rgb}, 24, 0x102030, 0x204060,
         0x306091},
        {"16 bits 5-5-5", {2, 1, 16, 40, 0, false, {}, false, {}, [](int x, int) { return x ? 0x7FFFu : 0x4210u; }},
         16, 0x848484, White, White},
        {"16 bits, bit fields 5-6-5",
         {2, 1, 16, 40, 3, false, {}, false, {0xF800, 0x07E0, 0x001F, 0}, [](int x, int) { return x ? 0xF800u : 0x07E0u; }},
         16, 0x00FF00, 0xFF0000, 0xFF0000},
        {"32 bits, alpha bit fields",
         {2, 1, 32, 40, 6, false, {}, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, [](int x, int) { return x ? 0x00123456u : 0xFF000000u; }},
         32, Black, 0x123456, 0x123456},
        {"32 bits, 108-byte header", {2, 1, 32, 108, 0, false, {}, false, {}, [](int x, int) { return x ? 0xAB0000FFu : 0u; }},
         32, Black, 0x0000FF, 0x0000FF},
    };
    for (const TGoodCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBitmap b;
        ASSERT_NO_THROW(DecodeBmp(MakeBmp(c.Plan), "good.bmp", b));
        ASSERT_EQ(b.Width(), c.Plan.Width);
        ASSERT_EQ(b.Height(), c.Plan.Height);
        EXPECT_EQ(b.BitsPerPixel(), c.Bpp);
        EXPECT_EQ(Shown(b, 0, 0), c.At00);
        EXPECT_EQ(Shown(b, 1, 0), c.At10);
        EXPECT_EQ(Shown(b, b.Width() - 1, b.Height() - 1), c.AtLast);
        if (c.Bpp <= 8) {
            ASSERT_NE(b.Stored(), nullptr);
            EXPECT_TRUE(b.Stored()->Indexed);
            EXPECT_EQ(b.Stored()->Palette.size(), std::size_t(1) << c.Bpp) << "padded to every index";
            for (int y = 0; y < b.Height(); ++y)
                for (int x = 0; x < b.Width(); ++x)
                    EXPECT_EQ(Index(b, x, y), int(c.Plan.Pixel(x, y))) << x << "," << y;
        }
    }
}

// Runs that leave pixels out keep index 0 there; a run past the row's end
// is cut off at the edge and does not spill into the next row.
TEST(ReadBmp, RunLengthGapsAndOverrunsStayInside)
{
    TBmpPlan s{4, 2, 8, 40, 1, false, {Olive, Navy}, false, {}, [](int, int) { return 0u; }};
    TBmpBytes file = MakeBmp(s);
    const std::size_t pixels = 14 + 40 + 8;
    file.resize(pixels);
    // Bottom row: a run of 9 pixels of index 1; top row: skip 2 right, then end.
    for (const std::uint8_t v : {9, 1, 0, 0, 0, 2, 2, 0, 0, 1})
        file.push_back(v);
    TBitmap b;
    DecodeBmp(file, "runs.bmp", b);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(Index(b, x, 1), 1) << x;
        EXPECT_EQ(Index(b, x, 0), 0) << x;
    }
}

struct TBadCase {
    const char* Name;
    TBmpBytes File;
    const char* Reason;
};

TBmpBytes Good() { return MakeBmp({2, 2, 24, 40, 0, false, {}, false, {}, Checker}); }

TBmpBytes Patched(TBmpBytes f, std::size_t at, std::uint32_t v, int n)
{
    SetLe(f, at, v, n);
    return f;
}

TBmpBytes Cut(TBmpBytes f, std::size_t size)
{
    f.resize(size);
    return f;
}

std::vector<TBadCase> BadCases()
{
    const TBmpBytes eight = MakeBmp({2, 2, 8, 40, 0, false, {Olive, Navy}, false, {}, Checker});
    return {
        {"empty", {}, "too short"},
        {"a file header alone", Cut(Good(), 14), "too short"},
        {"not BM", Patched(Good(), 0, 'P' | 'N' << 8, 2), "not a bitmap"},
        {"header size 44", Patched(Good(), 14, 44, 4), "unknown bitmap header size 44"},
        {"info header cut", Cut(Good(), 14 + 30), "header is truncated"},
        {"two planes", Patched(Good(), 26, 2, 2), "2 colour planes"},
        {"zero width", Patched(Good(), 18, 0, 4), "no pixels (0 by 2)"},
        {"negative width", Patched(Good(), 18, std::uint32_t(-5), 4), "no pixels (-5 by 2)"},
        {"zero height", Patched(Good(), 22, 0, 4), "no pixels"},
        {"absurd size", Patched(Patched(Good(), 18, 100000, 4), 22, 100000, 4),
         "too large (100000 by 100000, at most 16777216 pixels)"},
        {"absurd top-down height", Patched(Good(), 22, std::uint32_t(-2147483647), 4), "too large"},
        {"one pixel over the limit", Patched(Patched(Good(), 18, 4097, 4), 22, 4096, 4), "too large"},
        {"7 bits a pixel", Patched(Good(), 28, 7, 2), "7 bits per pixel are not supported"},
        {"0 bits a pixel", Patched(Good(), 28, 0, 2), "0 bits per pixel"},
        {"JPEG inside", Patched(Good(), 30, 4, 4), "compression 4 with 24 bits per pixel"},
        {"run-length with 24 bits", Patched(Good(), 30, 1, 4), "compression 1 with 24 bits"},
        {"bit fields with 8 bits", Patched(eight, 30, 3, 4), "compression 3 with 8 bits"},
        {"run-length top-down", Patched(Patched(eight, 30, 1, 4), 22, std::uint32_t(-2), 4), "top-down"},
        {"bit fields in a 64-byte header",
         MakeBmp({2, 1, 32, 64, 3, false, {}, false, {0xFF0000, 0xFF00, 0xFF, 0}, Checker}), "64-byte header"},
        {"palette overflow", Patched(eight, 46, 257, 4), "palette claims 257 colours, at most 256 fit"},
        {"palette overflow, 1 bit", Patched(MakeBmp({2, 2, 1, 40, 0, false, {Olive, Navy}, false, {}, Checker}), 46, 3, 4),
         "palette claims 3 colours, at most 2 fit"},
        {"palette cut", Cut(eight, 14 + 40 + 5), "palette is truncated"},
        {"bit-field masks cut", Cut(MakeBmp({1, 1, 32, 40, 3, false, {}, false, {0xFF0000, 0xFF00, 0xFF, 0}, Checker}), 14 + 46),
         "palette is truncated"},
        {"pixels inside the header", Patched(Good(), 10, 20, 4), "offset 20 lies outside the file"},
        {"pixels past the end", Patched(Good(), 10, 4000, 4), "offset 4000 lies outside the file"},
        {"pixels cut", Cut(Good(), Good().size() - 1), "pixel data is truncated"},
    };
}

TEST(ReadBmp, MalformedFilesAreRefusedWithTheirReason)
{
    for (const TBadCase& c : BadCases()) {
        SCOPED_TRACE(c.Name);
        TBitmap b;
        try {
            DecodeBmp(c.File, "bad name.bmp", b);
            ADD_FAILURE() << "read";
        } catch (const EBitmapReadError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Cannot read bitmap file \"bad name.bmp\": ", 0), 0u) << message;
            EXPECT_NE(message.find(c.Reason), std::string::npos) << message;
        }
    }
}

// The largest picture accepted reads; its bytes are a few run codes.
TEST(ReadBmp, ThePixelLimitItselfIsAccepted)
{
    TBmpBytes file = MakeBmp({2, 2, 8, 40, 1, false, {Olive, Navy}, false, {}, [](int, int) { return 1u; }});
    SetLe(file, 18, 4096, 4);
    SetLe(file, 22, 4096, 4);
    TBitmap b;
    DecodeBmp(file, "largest.bmp", b);
    EXPECT_EQ(4LL * b.Width() * b.Height(), MaxBitmapBytes);
    EXPECT_EQ(Shown(b, 1, 4095), Navy) << "the runs fill the bottom rows' first pixels";
    EXPECT_EQ(Shown(b, 2, 4095), Olive) << "outside the runs: index 0";
    EXPECT_EQ(Shown(b, 4095, 0), Olive);
}

// Files: a failure leaves the target as it was; folders, pipes and missing
// files are refused without reading.
class ReadBmpFileTest : public ::testing::Test {
protected:
    std::filesystem::path Dir = std::filesystem::temp_directory_path() /
                                ("read_bmp_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(Dir); }
    void TearDown() override { std::filesystem::remove_all(Dir); }
    std::string Write(const char* name, const TBmpBytes& bytes)
    {
        const std::filesystem::path p = Dir / name;
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return p.string();
    }
    // A file one byte over the largest a bitmap may take, holes and all.
    std::string Large()
    {
        const std::string path = Write("large.bmp", Good());
        std::filesystem::resize_file(path, std::uintmax_t(MaxBitmapBytes + 64 * 1024 + 1));
        return path;
    }
};

TEST_F(ReadBmpFileTest, ASoundFileReplacesTheTarget)
{
    TBitmap b(5, 5);
    ReadBmpFile(Write("good.bmp", Good()), b);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.BitsPerPixel(), 24);
}

TEST_F(ReadBmpFileTest, AFailureLeavesTheTargetAsItWas)
{
    const std::string pipe = (Dir / "pipe.bmp").string();
    const std::string fifo = "mkfifo '" + pipe + "'";
    ASSERT_EQ(std::system(fifo.c_str()), 0);
    const struct {
        std::string Path;
        const char* Reason;
    } cases[] = {
        {Write("cut.bmp", Cut(Good(), 20)), "header is truncated"},
        {Large(), "the file is too large"},
        {(Dir / "missing.bmp").string(), "not a regular file"},
        {Dir.string(), "not a regular file"},
        {pipe, "not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        TBitmap b(3, 3);
        b.SetPixel(1, 1, 0x0000FF);
        try {
            ReadBmpFile(c.Path, b);
            ADD_FAILURE() << "read";
        } catch (const EBitmapReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Path), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(b.Width(), 3);
        EXPECT_EQ(b.Pixel(1, 1), TColor(0x0000FF));
    }
}

} // namespace
