// Short and main ticks, labels on linear and logarithmic scales, and the
// label insets.
#include "dial_model.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Kepler;

namespace {

double Degrees(const TMeter& m, double fraction) { return m.MeterAngle() / 2.0 + 90 - m.MeterAngle() * fraction; }

// The label centre for a value at a given scale fraction, by the inset rule.
TPoint LabelCentre(const TMeter& m, double fraction, double dx, double dy)
{
    const double a = Degrees(m, fraction) * std::numbers::pi / 180;
    return {RoundHalfEven(m.OriginX() + (m.ScaleRadius() - dx) * std::cos(a)),
            RoundHalfEven(m.OriginY() - (m.ScaleRadius() - dy) * std::sin(a))};
}

// A new gauge: 0 to 1, three ticks wanted, one decimal, short ticks on;
// R 193 around (148, 201).
class NewGaugeTicksTest : public ::testing::Test {
protected:
    void SetUp() override { ShowBodyOnly(m); }
    TMeter m;
};

TEST_F(NewGaugeTicksTest, SixLabelsEveryPointTwo)
{
    EXPECT_EQ(Texts(PaintAndRecordLabels(m)),
              (std::vector<QString>{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
}

// The new gauge's ticks: short ones every 0.05, 4 pixels long, main ones
// every 0.2, 8 pixels long.
DialTicks NewGaugeTicks() { return LinearDialTicks(0, 0.05, 20, 4, 1); }

// Short ticks every 0.05 are 4 pixels long, main ticks every 0.2 are 8:
// every pixel of the dial as the model draws them. (The anchor cap is left
// out: it would cover the model's needle-free centre.)
TEST_F(NewGaugeTicksTest, ShortTicksBetweenMainTicks)
{
    m.SetAnchorCovered(false);
    m.Paint();
    ExpectDialAsModelled(m, DialModel(m, NewGaugeTicks()).WithoutNeedles());
}

TEST_F(NewGaugeTicksTest, NoShortTicksWhenSwitchedOff)
{
    m.SetAnchorCovered(false);
    m.SetMeterShortTicks(false);
    m.Paint();
    ExpectDialAsModelled(m, DialModel(m, NewGaugeTicks()).WithoutNeedles());
    // The model draws no short ticks either: the two faces agree because
    // neither has them, not because both have.
    const TPoint shortTick = PolarPixel(m, Degrees(m, 0.1), m.ScaleRadius() - 1);
    EXPECT_NE(FacePixel(m, shortTick.X, shortTick.Y), m.ColorScale());
}

// Less than a decade: the linear ticks 1 to 5, placed logarithmically.
TEST_F(NewGaugeTicksTest, LogarithmicWithinOneDecade)
{
    m.SetMeterMaxValue(5);
    m.SetMeterMinValue(1);
    m.SetMeterNrTicks(2);
    m.SetLogarithmic(true);
    ASSERT_TRUE(m.Logarithmic());
    const std::vector<SeenLabel> seen = PaintAndRecordLabels(m);
    ASSERT_EQ(Texts(seen), (std::vector<QString>{"1.0", "2.0", "3.0", "4.0", "5.0"}));

    const TextMetrics max = MeasureText(m.Font(), "5.0");
    const TPoint c = LabelCentre(m, std::log(2.0) / std::log(5.0), max.width / 2.0 + 15, max.height / 2.0 + 15);
    const TextMetrics own = MeasureText(m.Font(), "2.0");
    EXPECT_EQ(seen[1].chartX, c.X - own.width / 2);
    EXPECT_EQ(seen[1].chartY, c.Y - own.height / 2);
}

// Three decades: a main tick at every 1 to 9 times a power of ten, labels
// only at 1, 2 and 5 times a power of ten.
TEST_F(NewGaugeTicksTest, LogarithmicOverThreeDecades)
{
    m.SetMeterMaxValue(1000);
    m.SetMeterMinValue(1);
    m.SetMeterDecPlaces(0);
    m.SetLogarithmic(true);
    ASSERT_TRUE(m.Logarithmic());
    EXPECT_EQ(Texts(PaintAndRecordLabels(m)),
              (std::vector<QString>{"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}));

    // Every pixel of the dial: the main ticks at 1 to 9 times 1, 10 and 100
    // and at 1000, and the short ticks, which keep the linear grid (step
    // 200 in 4 parts, first tick 200: every 50 but the multiples of 200)
    // placed logarithmically.
    DialTicks ticks;
    for (int v = 50; v < 1000; v += 50)
        if (v % 200 != 0)
            ticks.shortTicks.push_back(v);
    for (double decade : {1.0, 10.0, 100.0})
        for (int w = 1; w <= 9; ++w)
            ticks.mainTicks.push_back({w * decade, w == 1 || w == 2 || w == 5 ? std::to_string(int(w * decade)) : ""});
    ticks.mainTicks.push_back({1000, "1000"});
    ticks.widestLabel = "1000";
    m.SetAnchorCovered(false);
    m.Paint();
    ExpectDialAsModelled(m, DialModel(m, ticks, true).WithoutNeedles());
}

// Min -7, Max 0.3 and 15 ticks give a step of 0.2 that is not exactly 0.2
// in extended precision; 35 steps up from -7 still label the zero tick
// "0.0", not "-0.0".
TEST_F(NewGaugeTicksTest, ZeroTickHasNoSign)
{
    m.SetMeterMinValue(-7);
    m.SetMeterMaxValue(0.3);
    m.SetMeterNrTicks(15);
    const std::vector<QString> texts = Texts(PaintAndRecordLabels(m));
    ASSERT_EQ(texts.size(), 37u);
    EXPECT_EQ(texts[35], "0.0");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), QString("-0.0")), 0);
}

// With a background picture the insets come from the canvas's initial font,
// while the labels are drawn in the control's font.
TEST_F(NewGaugeTicksTest, InsetsFromTheInitialFontWithABackgroundPicture)
{
    TFont big = m.Font();
    big.SetHeight(-24);
    m.SetFont(big);
    for (bool picture : {false, true}) {
        std::vector<SeenLabel> seen;
        if (picture) {
            m.OnBeforeDrawScaleLabel = [&seen](QObject*, TCanvas&, QString& text, int x, int y) {
                seen.push_back({text, x, y});
            };
            const FaceWithPicture f(m, "corner.bmp", QImage(8, 8, QImage::Format_RGB32));
            m.OnBeforeDrawScaleLabel = nullptr;
        } else {
            seen = PaintAndRecordLabels(m);
        }
        ASSERT_EQ(seen.size(), 6u);
        const TextMetrics inset = MeasureText(picture ? TFont() : big, "1.0");
        const TPoint c = LabelCentre(m, 1, inset.width / 2.0 + 15, inset.height / 2.0 + 15);
        const TextMetrics own = MeasureText(big, "1.0");
        EXPECT_EQ(seen.back().chartX, c.X - own.width / 2) << (picture ? "with picture" : "without");
        EXPECT_EQ(seen.back().chartY, c.Y - own.height / 2) << (picture ? "with picture" : "without");
    }
}

} // namespace
