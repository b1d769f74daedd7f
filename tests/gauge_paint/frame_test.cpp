// The frame in all six styles on a 105 by 87 face.
#include "paint_test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Kepler;

namespace {

constexpr int W = 105;
constexpr int H = 87;

// A set of pixels and the colour each should have.
struct Stroke {
    const char* where;
    std::function<bool(int x, int y)> contains;
    TColor color;
};

bool Column(int x, int y, int cx, int y0, int y1) { return x == cx && y >= y0 && y <= y1; }
bool Row(int x, int y, int cy, int x0, int x1) { return y == cy && x >= x0 && x <= x1; }

// White (or gray) rectangle path through (0, 0), (W-2, 0), (W-2, H-2),
// (0, H-2); then the other colour inside it at column 1 and row 1, and
// outside it at row H-1 and column W-1.
std::vector<Stroke> Groove(TColor outer, TColor inner)
{
    return {
        {"path top", [](int x, int y) { return Row(x, y, 0, 0, W - 2); }, outer},
        {"path right", [](int x, int y) { return Column(x, y, W - 2, 0, H - 2); }, outer},
        {"path bottom", [](int x, int y) { return Row(x, y, H - 2, 0, W - 2); }, outer},
        {"path left", [](int x, int y) { return Column(x, y, 0, 0, H - 2); }, outer},
        {"column 1", [](int x, int y) { return Column(x, y, 1, 2, H - 3); }, inner},
        {"row 1", [](int x, int y) { return Row(x, y, 1, 1, W - 3); }, inner},
        {"bottom row", [](int x, int y) { return Row(x, y, H - 1, 1, W - 2); }, inner},
        {"right column", [](int x, int y) { return Column(x, y, W - 1, 1, H - 1); }, inner},
    };
}

std::vector<Stroke> Edge(TColor upperLeft, TColor lowerRight)
{
    return {
        {"left", [](int x, int y) { return Column(x, y, 0, 1, H - 1); }, upperLeft},
        {"top", [](int x, int y) { return Row(x, y, 0, 0, W - 2); }, upperLeft},
        {"right", [](int x, int y) { return Column(x, y, W - 1, 0, H - 2); }, lowerRight},
        {"bottom", [](int x, int y) { return Row(x, y, H - 1, 1, W - 1); }, lowerRight},
    };
}

struct FrameCase {
    const char* what;
    TFrameStyle style;
    TColorScheme scheme;
    std::vector<Stroke> strokes;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.what; }

std::vector<FrameCase> FrameCases()
{
    const TColor hi = ColorToRGB(clBtnHighlight);
    const TColor sh = ColorToRGB(clBtnShadow);
    return {
        {"simple, in the background colour", fsSimple, csBWG, Edge(clYellow, clYellow)},
        {"lowered", fsLowered, csBWG, Edge(clGray, clWhite)},
        {"raised", fsRaised, csBWG, Edge(clWhite, clGray)},
        {"raised, system colours", fsRaised, csSystem, Edge(hi, sh)},
        {"embossed", fsEmbossed, csBWG, Groove(clWhite, clGray)},
        {"engraved", fsEngraved, csBWG, Groove(clGray, clWhite)},
    };
}

class FrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameTest, DrawsItsLines)
{
    const FrameCase& c = GetParam();
    TMeter m;
    m.SetBounds(0, 0, W, H);
    ShowBodyOnly(m);
    m.SetColorBakG(clYellow);
    m.SetColorCover(clBlue); // rims, which the frame covers
    m.SetColorScheme(c.scheme);
    m.SetFrameStyle(c.style);
    m.Paint();
    for (const Stroke& s : c.strokes) {
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                if (s.contains(x, y)) {
                    ASSERT_EQ(FacePixel(m, x, y), s.color) << s.where << " at " << x << ", " << y;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, FrameTest, ::testing::ValuesIn(FrameCases()),
                         [](const auto& info) { return CaseName(info.param.what); });

// No frame: the outermost pixels keep what earlier steps drew.
TEST(FrameTest, NoneLeavesTheEdgeAlone)
{
    TMeter m;
    m.SetBounds(0, 0, W, H);
    ShowBodyOnly(m);
    m.SetRimTop(0);
    m.SetRimSide(0);
    m.SetRimBottom(0);
    m.SetColorBakG(clYellow);
    m.SetFrameStyle(fsNone);
    m.Paint();
    EXPECT_EQ(FacePixel(m, 0, H - 1), clYellow);
    EXPECT_EQ(FacePixel(m, W - 1, H - 1), clYellow);
}

} // namespace
