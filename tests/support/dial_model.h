#pragma once
// The dial inside the rims as the drawing rules say it must look, worked out
// here from the gauge's published settings and drawn step by step on a
// bitmap of its own: background, scale bands, scale line, ticks, labels,
// caption and needles. The shapes go through the canvas, whose pixel rules
// the toolkit's suite pins; what this model decides, apart from the gauge's
// composer, is where each shape goes. A face compared with it pixel by pixel
// catches a tick end, a band ray or a needle point one pixel off.
#include "paint_test_support.h"
#include "rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <locale>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A main tick and its label; an empty text draws no label.
struct DialMainTick {
    double value;
    std::string label;
};

// The ticks of a scale: short ones (4 pixels) before the main ones (8).
struct DialTicks {
    std::vector<double> shortTicks;
    std::vector<DialMainTick> mainTicks;
    std::string widestLabel; // the label of Max, which sets the insets
};

// Ticks every step from Min to Max, main ticks every `perMain` of them and
// labelled with `decimals` decimals; the new gauge's 0 to 1 is step 0.05,
// 4 per main tick, 1 decimal.
inline DialTicks LinearDialTicks(double min, double step, int count, int perMain, int decimals)
{
    DialTicks t;
    const double mainStep = step * perMain;
    for (int i = 0; i <= count; ++i) {
        if (i % perMain != 0) {
            // Counted, as the gauge counts them, from one main step below Min.
            t.shortTicks.push_back((i + perMain) * step + (min - mainStep));
            continue;
        }
        const double v = (i / perMain) * mainStep + min;
        std::ostringstream text;
        text.imbue(std::locale::classic()); // labels have a point in every locale
        text.setf(std::ios::fixed);
        text.precision(decimals);
        text << v;
        t.mainTicks.push_back({v, text.str()});
    }
    t.widestLabel = t.mainTicks.back().label;
    return t;
}

class DialModel {
public:
    DialModel(const Kepler::TMeter& m, DialTicks ticks, bool logarithmic = false)
        : m(m), ticks(std::move(ticks)), logarithmic(logarithmic)
    {
    }

    // For a gauge whose needles a handler took over and did not draw.
    DialModel& WithoutNeedles()
    {
        needles = false;
        return *this;
    }

    // The face the gauge must show, before rims, anchor, lamps and frame,
    // drawn on a bitmap of the gauge's size.
    void Compose(Kepler::TBitmap& face) const
    {
        Kepler::TCanvas& c = face.Canvas();
        c.SetFont(m.Font());
        c.Pen().SetColor(m.ColorBakG());
        c.Brush().SetColor(m.ColorBakG());
        c.Rectangle(0, 0, m.width(), m.height());
        if (m.ScaleBkVisible())
            Bands(c);
        c.Brush().SetStyle(Kepler::bsClear);
        if (m.ScaleVisible())
            Scale(c);
        Caption(c);
        c.Brush().SetStyle(Kepler::bsSolid);
        if (needles && m.NeedleLayoutSec().Visible())
            Needle(c, m.NeedleLayoutSec(), m.ValueSec());
        if (needles)
            Needle(c, m.NeedleLayout(), m.Value());
    }

private:
    double Fraction(double v) const
    {
        const double min = m.MeterMinValue(), max = m.MeterMaxValue();
        if (logarithmic)
            return (std::log(v) - std::log(min)) / (std::log(max) - std::log(min));
        return (v - min) / (max - min);
    }
    // The scale angle of a value, in degrees.
    double Degrees(double v) const { return m.MeterAngle() / 2.0 + 90 - m.MeterAngle() * Fraction(v); }
    static double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
    int Cx() const { return m.OriginX(); }
    int Cy() const { return m.OriginY(); }
    double R() const { return m.ScaleRadius(); }
    static int Round(double v) { return Kepler::RoundHalfEven(v); }

    // Q(a): the point on the radius in direction a, as a ray's end.
    Kepler::TPoint Q(double a) const { return {Cx() + Round(R() * std::cos(a)), Cy() - Round(R() * std::sin(a))}; }

    void Pie(Kepler::TCanvas& c, int rb, Kepler::TPoint from, Kepler::TPoint to) const
    {
        c.Pie(Cx() - rb, Cy() - rb, Cx() + rb + 1, Cy() + rb, from.X, from.Y, to.X, to.Y);
    }

    void Bands(Kepler::TCanvas& c) const
    {
        const double aMin = Radians(m.MeterAngle() / 2.0 + 90);
        const double aMax = Radians(90 - m.MeterAngle() / 2.0);
        const double aLow = Radians(Degrees(m.ThresholdLow()));
        const double aHigh = Radians(Degrees(m.ThresholdHigh()));
        const int rb = Round(R() + 4);
        const int ri = Round((100 - m.ScaleBkWidth()) * R() / 100);
        const struct {
            Kepler::TColor color;
            double from, to;
        } bands[] = {{m.ColorSclBkLow(), aLow, aMin}, {m.ColorSclBkNorm(), aHigh, aLow}, {m.ColorSclBkHigh(), aMax, aHigh}};
        for (const auto& b : bands) {
            c.Brush().SetColor(b.color);
            c.Pen().SetColor(b.color);
            if (std::abs(b.from - b.to) > 1e-6)
                Pie(c, rb, Q(b.from), Q(b.to));
        }
        c.Brush().SetColor(m.ColorBakG());
        c.Pen().SetColor(m.ColorBakG());
        c.Ellipse(Cx() - ri, Cy() - ri, Cx() + ri + 1, Cy() + ri);
    }

    void Tick(Kepler::TCanvas& c, double v, int length) const
    {
        const double a = Radians(Degrees(v));
        c.MoveTo(Round(Cx() + R() * std::cos(a)), Round(Cy() - R() * std::sin(a)));
        c.LineTo(Round(Cx() + (R() - length) * std::cos(a)), Round(Cy() - (R() - length) * std::sin(a)));
    }

    void Scale(Kepler::TCanvas& c) const
    {
        c.Pen().SetColor(m.ColorScale());
        if (m.MeterScaleLine()) {
            const int rr = Round(R());
            const Kepler::TPoint max = Q(Radians(90 - m.MeterAngle() / 2.0));
            const Kepler::TPoint min = Q(Radians(m.MeterAngle() / 2.0 + 90));
            c.Arc(Cx() - rr, Cy() - rr, Cx() + rr + 1, Cy() + rr, max.X, max.Y, min.X, min.Y);
        }
        if (m.MeterShortTicks())
            for (double v : ticks.shortTicks)
                Tick(c, v, 4);
        const double dx = c.TextWidth(ticks.widestLabel) / 2.0 + 15;
        const double dy = c.TextHeight(ticks.widestLabel) / 2.0 + 15;
        c.SetFont(m.Font());
        for (const DialMainTick& t : ticks.mainTicks) {
            Tick(c, t.value, 8);
            if (t.label.empty())
                continue;
            const double a = Radians(Degrees(t.value));
            const int x = Round(Cx() + (R() - dx) * std::cos(a));
            const int y = Round(Cy() - (R() - dy) * std::sin(a));
            c.TextOut(x - c.TextWidth(t.label) / 2, y - c.TextHeight(t.label) / 2, t.label);
        }
    }

    void Caption(Kepler::TCanvas& c) const
    {
        c.SetFont(m.FontCaption());
        const std::string text = m.Caption().toStdString();
        c.TextOut(Cx() - c.TextWidth(text) / 2, Cy() - Round(R() / 3) - c.TextHeight(text) / 2, text);
    }

    void Needle(Kepler::TCanvas& c, const Kepler::TNeedleLayout& l, double value) const
    {
        const double a = Radians(Degrees(value));
        const double len = l.PercentNeedleLength() * (R() - 4) * 0.01;
        const int tx = Round(Cx() + len * std::cos(a));
        const int ty = Round(Cy() - len * std::sin(a));
        const double h = Radians(l.HeadAngle());
        const double ex = std::sin(a) * l.Thickness() / 2;
        const double ey = std::cos(a) * l.Thickness() / 2;
        const double hs = l.HeadSize();
        const double hm = l.HeadMidLeng();
        std::vector<Kepler::TPoint> p{
            {Round(tx - hs * std::cos(a + h / 2)), Round(ty + hs * std::sin(a + h / 2))},
            {tx, ty},
            {Round(tx - hs * std::cos(a - h / 2)), Round(ty + hs * std::sin(a - h / 2))},
            {Round(tx - ex - hm * std::cos(a)), Round(ty - ey + hm * std::sin(a))},
            {Round(Cx() - ex), Round(Cy() - ey)},
            {Round(Cx() + ex), Round(Cy() + ey)},
            {Round(tx + ex - hm * std::cos(a)), Round(ty + ey + hm * std::sin(a))},
        };
        if (l.ShadowDx() != 0 || l.ShadowDy() != 0) {
            std::vector<Kepler::TPoint> shadow = p;
            for (Kepler::TPoint& q : shadow)
                q = {q.X - l.ShadowDx(), q.Y - l.ShadowDy()};
            c.Pen().SetColor(l.ShadowColor());
            c.Brush().SetColor(l.ShadowColor());
            c.Polygon(shadow);
        }
        c.Pen().SetColor(l.ColorOutline());
        c.Brush().SetColor(l.ColorBody());
        c.Polygon(p);
    }

    const Kepler::TMeter& m;
    DialTicks ticks;
    bool logarithmic;
    bool needles = true;
};

// Every pixel inside the bevel line (which the rims, the bevel, the lamps
// and the frame leave alone when the anchor is not covered and the lamps are
// off) as the model has it, but those in the box left out (where an anchor
// cap stands); the first few that differ are listed.
inline void ExpectDialAsModelled(const Kepler::TMeter& m, const DialModel& model, const Kepler::TRect& leftOut = {})
{
    const Kepler::TBitmap& face = m.Face();
    ASSERT_EQ(face.Width(), m.width());
    ASSERT_EQ(face.Height(), m.height());
    Kepler::TBitmap expected(m.width(), m.height());
    model.Compose(expected);
    int differ = 0;
    std::ostringstream first;
    for (int y = m.RimTop() + 1; y < m.height() - m.RimBottom(); ++y)
        for (int x = m.RimSide(); x < m.width() - m.RimSide(); ++x) {
            if (x >= leftOut.Left && x < leftOut.Right && y >= leftOut.Top && y < leftOut.Bottom)
                continue;
            if (face.Pixel(x, y) != expected.Pixel(x, y) && ++differ <= 12)
                first << " (" << x << ", " << y << ") is " << std::hex << face.Pixel(x, y) << " not "
                      << expected.Pixel(x, y) << std::dec << ";";
        }
    EXPECT_EQ(differ, 0) << "pixels unlike the model:" << first.str();
}
