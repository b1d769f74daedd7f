// Reading bitmap files: formats kept as stored, and untrusted files refused
// with an error naming the file, leaving the target bitmap untouched.
#include "KeplerControls/bitmap.h"
#include "bmp_fixture.h"
#include "four_colours.h"
#include "bmp_reader.h"
#include "qt_bitmap.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {


QString CorpusFile(const char* name)
{
    return QDir(QStringLiteral(KEPLER_FUZZ_CORPUS)).filePath(QString::fromLatin1(name));
}

TEST(BmpReader, OneBytePerPixelKeepsItsIndices)
{
    FixtureDir dir;
    const QString path = dir.Write("i8.bmp", BmpBytes(5, 2, 8, kFourColours, [](int x, int y) { return (x + y) % 4; }));
    TBitmap b;
    ReadBitmapFile(path, b);
    EXPECT_EQ(b.BitsPerPixel(), 8);
    ASSERT_EQ(StoredImage(b).format(), QImage::Format_Indexed8);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(StoredImage(b).pixelIndex(x, y), (x + y) % 4);
            EXPECT_EQ(QRgb(QtImage(b).pixel(x, y)), kFourColours[std::size_t((x + y) % 4)]);
        }
}

TEST(BmpReader, TwentyFourBitsShowTheirColours)
{
    FixtureDir dir;
    const QString path = dir.Write("rgb.bmp", BmpBytes(3, 2, 24, {}, [](int x, int y) { return 0x102030u * (x + 1) + y; }));
    TBitmap b;
    ReadBitmapFile(path, b);
    EXPECT_EQ(b.BitsPerPixel(), 24);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(2, 1), RGB(0x30, 0x60, 0x91)); // 0x306090 + 1, red in the low byte
}

// Hostile files are refused before anything big is allocated, each with a
// message that names the file and says what is wrong.
TEST(BmpReader, RefusesHostileFilesWithAClearError)
{
    const struct {
        const char* file;
        const char* reason;
    } cases[] = {
        {"empty.bmp", "too short"},
        {"truncated_file_header.bmp", "too short"},
        {"truncated_info_header.bmp", "header is truncated"},
        {"truncated_palette.bmp", "palette is truncated"},
        {"truncated_pixels.bmp", "pixel data is truncated"},
        {"huge_100000x100000.bmp", "too large (100000 by 100000, at most 16777216 pixels)"},
        {"huge_height_negative.bmp", "too large"},
        {"zero_width.bmp", "no pixels"},
        {"zero_height.bmp", "no pixels"},
        {"bad_palette_count.bmp", "palette claims 100000 colours"},
        {"bad_bitcount.bmp", "7 bits per pixel"},
        {"bad_header_size.bmp", "header size 44"},
        {"bad_offset.bmp", "offset"},
        {"rle8_topdown.bmp", "top-down"},
        {"jpeg_compression.bmp", "compression 4"},
        {"png_renamed.bmp", "not a bitmap"},
    };
    for (const auto& c : cases) {
        const QString path = CorpusFile(c.file);
        TBitmap b(3, 3);
        b.SetPixel(1, 1, clRed);
        try {
            ReadBitmapFile(path, b);
            ADD_FAILURE() << c.file << " was read";
        } catch (const EMeterImageError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_EQ(b.Width(), 3) << c.file;
        EXPECT_EQ(b.Pixel(1, 1), clRed) << c.file << ": the target stays as it was";
    }
}

TEST(BmpReader, MissingFileIsAnError)
{
    TBitmap b;
    EXPECT_THROW(ReadBitmapFile(QStringLiteral("no such file.bmp"), b), EMeterImageError);
}

// A folder or a pipe is refused at once; reading the pipe would wait for a
// writer that never comes.
TEST(BmpReader, FoldersAndPipesAreRefused)
{
    FixtureDir dir;
    const QString pipe = dir.dir.filePath("pipe.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    TBitmap b(3, 2);
    EXPECT_THROW(ReadBitmapFile(dir.dir.path(), b), EMeterImageError);
    EXPECT_THROW(ReadBitmapFile(pipe, b), EMeterImageError);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
}

// Every file of the corpus: no crash; the sound ones load, the others are
// refused or load within the size limit.
TEST(BmpReader, EveryCorpusFileLoadsOrIsRefused)
{
    const QDir corpus(QStringLiteral(KEPLER_FUZZ_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_GE(files.size(), 20);
    for (const QString& name : files) {
        TBitmap b;
        bool read = true;
        try {
            ReadBitmapFile(corpus.filePath(name), b);
        } catch (const EMeterImageError&) {
            read = false;
        }
        if (name.startsWith(QLatin1String("ok_"))) {
            EXPECT_TRUE(read) << name.toStdString();
        }
        if (read) {
            EXPECT_LE(4LL * b.Width() * b.Height(), MaxBitmapBytes) << name.toStdString();
            EXPECT_FALSE(b.Empty()) << name.toStdString();
        }
    }
}

} // namespace
