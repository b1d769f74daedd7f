// The gauge's two pictures: the names the properties keep, the failure
// rules, the cover drawn through its mask, the background's fill modes and
// the reload at the end of loading. A new gauge: 297 by 209, dial centre
// (148, 201), lamps at the top corners.
#include "bmp_fixture.h"
#include "four_colours.h"
#include "KeplerControls/meter.h"
#include "meter_image_error.h"
#include "paint_count.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {


class MeterImages : public ::testing::Test {
protected:
    TColor At(int x, int y) const { return m.Face().Pixel(x, y); }
    QString NotABitmap() { return dir.Write("notes.bmp", "just some text, not a picture\n"); }
    FixtureDir dir;
    TMeter m;
};

TEST_F(MeterImages, EmptyAndMissingNamesAreStoredEmpty)
{
    for (const QString& name : {QString(), dir.dir.filePath("missing.bmp")}) {
        m.SetBackGroundImg(name);
        EXPECT_TRUE(m.BackGroundImg().isEmpty());
        m.SetAnchorImage(name);
        EXPECT_TRUE(m.AnchorImage().isEmpty());
    }
    m.SetColorBakG(clYellow);
    EXPECT_EQ(At(100, 100), clYellow) << "background painted in ColorBakG";
}

// Only a regular file is a picture file: a folder or a pipe of that name
// counts as missing (no error, and nothing waits on the pipe), while a link
// to a bitmap is followed.
TEST_F(MeterImages, FoldersAndPipesCountAsMissing)
{
    const QString folder = dir.dir.filePath("folder.bmp");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString pipe = dir.dir.filePath("pipe.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& name : {folder, pipe}) {
        SCOPED_TRACE(name.toStdString());
        const int paints = PaintCount(m);
        EXPECT_NO_THROW(m.SetBackGroundImg(name));
        EXPECT_TRUE(m.BackGroundImg().isEmpty());
        EXPECT_NO_THROW(m.SetAnchorImage(name));
        EXPECT_TRUE(m.AnchorImage().isEmpty());
        EXPECT_EQ(PaintCount(m), paints + 2);
    }

    const QString picture = dir.Write("bg.bmp", BmpBytes(4, 4, 24, {}, [](int, int) { return 0x00FF00u; }));
    const QString link = dir.dir.filePath("link.bmp");
    ASSERT_TRUE(QFile::link(picture, link));
    m.SetBackGroundImg(link);
    EXPECT_EQ(m.BackGroundImg(), link);
    m.SetAnchorImage(link);
    EXPECT_EQ(m.AnchorImage(), link);
}

TEST_F(MeterImages, UnreadableAnchorImageIsDroppedSilentlyAndRepaints)
{
    const int paints = PaintCount(m);
    EXPECT_NO_THROW(m.SetAnchorImage(NotABitmap()));
    EXPECT_TRUE(m.AnchorImage().isEmpty());
    EXPECT_EQ(PaintCount(m), paints + 1);
}

// The caller learns why; the name stays and no repaint happens.
TEST_F(MeterImages, UnreadableBackgroundImageReachesTheCaller)
{
    const QString name = NotABitmap();
    const int paints = PaintCount(m);
    try {
        m.SetBackGroundImg(name);
        ADD_FAILURE() << "no error";
    } catch (const EMeterImageError& e) {
        EXPECT_NE(std::string(e.what()).find(name.toStdString()), std::string::npos) << e.what();
    }
    EXPECT_EQ(m.BackGroundImg(), name);
    EXPECT_EQ(PaintCount(m), paints);
}

// A 5 by 3 cover centred on (148, 201) covers columns 146 to 150 and rows
// 200 to 202, on the bottom rim. Where the stored value is 0 the rim shows
// through; elsewhere the cover's own colour replaces it. A one-byte cover's
// mask keeps the file's palette, so it shows the file's colours 255 (for
// stored 0) and 0 (for the rest): the rim shows through only as far as
// those let it, (rim AND mask) OR cover.
TEST_F(MeterImages, CoverDrawnThroughItsMask)
{
    const auto index = [](int x, int y) { return std::uint32_t((x + 2 * y) % 4); };
    // Black at 0 and white at 255, as a cover drawn for its mask has them.
    std::vector<QRgb> maskReady(256, qRgb(90, 90, 90));
    for (int i = 0; i < 4; ++i)
        maskReady[std::size_t(i)] = kFourColours[std::size_t(i)];
    maskReady[255] = qRgb(255, 255, 255);
    const TColor rimColour = ColorToRGB(clBtnFace);
    const auto rgb = [](int x, int y) -> std::uint32_t { return (x + y) % 2 ? 0x30u * std::uint32_t(x + 1) : 0; }; // blue only
    const struct {
        const char* what;
        QByteArray file;
        std::function<TColor(int, int)> expected; // 0xFFFFFFFF: the rim shows through
    } cases[] = {
        {"one byte per pixel, mask-ready palette", BmpBytes(5, 3, 8, maskReady, index),
         [&](int x, int y) {
             const QRgb c = kFourColours[index(x, y)];
             return index(x, y) == 0 ? 0xFFFFFFFFu : RGB(qRed(c), qGreen(c), qBlue(c));
         }},
        {"one byte per pixel, four colours (255 is black)", BmpBytes(5, 3, 8, kFourColours, index),
         [&](int x, int y) {
             const QRgb c = kFourColours[index(x, y)];
             const TColor cover = RGB(qRed(c), qGreen(c), qBlue(c));
             const TColor mask = 0; // palette entries 255 (padding) and 0 are both black
             return (rimColour & mask) | cover;
         }},
        {"24 bits per pixel", BmpBytes(5, 3, 24, {}, rgb),
         [&](int x, int y) { return rgb(x, y) == 0 ? 0xFFFFFFFFu : RGB(0, 0, std::uint8_t(rgb(x, y))); }},
    };
    const TColor rim = ColorToRGB(clBtnFace);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.SetAnchorImage(dir.Write("cover.bmp", c.file));
        ASSERT_FALSE(m.AnchorImage().isEmpty());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const TColor want = c.expected(x, y);
                EXPECT_EQ(At(146 + x, 200 + y), want == 0xFFFFFFFFu ? rim : want) << x << ", " << y;
            }
        EXPECT_EQ(At(145, 201), rim) << "left of the cover";
        EXPECT_EQ(At(151, 201), rim) << "right of the cover";
    }
}

// Without AnchorCovered the picture is not drawn.
TEST_F(MeterImages, CoverNeedsAnchorCovered)
{
    m.SetAnchorImage(dir.Write("cover.bmp", BmpBytes(5, 3, 24, {}, [](int, int) { return 0x0000FFu; })));
    EXPECT_EQ(At(148, 201), RGB(0, 0, 0xFF));
    m.SetAnchorCovered(false);
    EXPECT_EQ(At(148, 201), ColorToRGB(clBtnFace));
}

// A 40 by 30 green picture with a red top-left pixel, in each fill mode.
// The pixels looked at lie in the empty part of the dial.
TEST_F(MeterImages, BackgroundFillModes)
{
    const auto picture = [](int x, int y) -> std::uint32_t { return x == 0 && y == 0 ? 0xFF0000u : 0x00FF00u; };
    m.SetLimWatchLowOn(false);
    m.SetBackGroundImg(dir.Write("bg.bmp", BmpBytes(40, 30, 24, {}, picture)));
    ASSERT_FALSE(m.BackGroundImg().isEmpty());

    const int paints = PaintCount(m);
    m.SetBkgndFillMode(bfSimple); // the mode it already has
    EXPECT_EQ(PaintCount(m), paints + 1) << "repaints also when unchanged";
    EXPECT_EQ(At(35, 27), clLime) << "inside the picture";
    EXPECT_EQ(At(45, 27), clWhite) << "right of the picture: white face";
    EXPECT_EQ(At(120, 90), clWhite) << "no second copy";

    m.SetBkgndFillMode(bfStretch);
    EXPECT_EQ(At(250, 100), clLime);
    EXPECT_EQ(At(120, 90), clLime);

    m.SetBkgndFillMode(bfTile);
    EXPECT_EQ(At(120, 90), clRed) << "the copy at (120, 90)";
    EXPECT_EQ(At(200, 120), clRed) << "the copy at (200, 120)";
    EXPECT_EQ(At(201, 121), clLime);
}

// At the end of loading both pictures are read again; a file that has
// become unreadable empties its name without an error.
TEST_F(MeterImages, ReloadAtTheEndOfLoading)
{
    const QByteArray picture = BmpBytes(4, 4, 24, {}, [](int, int) { return 0x00FF00u; });
    const QString background = dir.Write("bg.bmp", picture);
    const QString cover = dir.Write("cover.bmp", picture);

    TMeter kept;
    kept.BeginLoading();
    kept.SetBackGroundImg(background);
    kept.SetAnchorImage(cover);
    kept.Loaded();
    EXPECT_EQ(kept.BackGroundImg(), background);
    EXPECT_EQ(kept.AnchorImage(), cover);

    TMeter dropped;
    dropped.BeginLoading();
    dropped.SetBackGroundImg(background);
    dropped.SetAnchorImage(cover);
    dir.Write("bg.bmp", "gone bad");
    dir.Write("cover.bmp", "gone bad");
    EXPECT_NO_THROW(dropped.Loaded());
    EXPECT_TRUE(dropped.BackGroundImg().isEmpty());
    EXPECT_TRUE(dropped.AnchorImage().isEmpty());
    EXPECT_EQ(dropped.Face().Pixel(100, 100), clWhite) << "painted without the old picture";
}

// Every corpus file through both properties: no crash, sound files kept,
// refused ones handled by each property's rule.
TEST_F(MeterImages, HostileFilesThroughBothProperties)
{
    const QDir corpus(QStringLiteral(KEPLER_FUZZ_CORPUS));
    for (const QString& name : corpus.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QString path = corpus.filePath(name);
        const bool sound = name.startsWith(QLatin1String("ok_"));
        m.SetAnchorImage(path);
        if (sound) {
            EXPECT_EQ(m.AnchorImage(), path);
        }
        bool refused = false;
        try {
            m.SetBackGroundImg(path);
        } catch (const EMeterImageError&) {
            refused = true;
        }
        if (sound) {
            EXPECT_FALSE(refused);
        }
        EXPECT_EQ(refused, m.AnchorImage().isEmpty()) << "both properties judge a file alike";
        m.Paint();
    }
}

} // namespace
