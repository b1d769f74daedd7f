#pragma once
#include "meter_test_support.h"
#include "meter_face_events.h"
#include "rounding.h"
#include "qt_bitmap.h"

#include <QImage>
#include <cmath>
#include <numbers>
#include <vector>

// Leaves only the body and scale on the face: the needles are taken over
// (and not drawn) by a needle handler, the lamps are off.
inline void ShowBodyOnly(Kepler::TMeter& m)
{
    m.OnBeforeDrawNeedle = [](QObject*, Kepler::TCanvas&, bool& drawn) { drawn = true; };
    m.SetLimWatchHighOn(false);
    m.SetLimWatchLowOn(false);
}

inline Kepler::TColor FacePixel(const Kepler::TBitmap& face, int x, int y) { return face.Pixel(x, y); }
inline Kepler::TColor FacePixel(const Kepler::TMeter& m, int x, int y) { return FacePixel(m.Face(), x, y); }

// A gauge's face composed apart from the gauge, from its settings, values
// and events, with a background picture in place as if the named file had
// been read.
struct FaceWithPicture {
    Kepler::TBitmap picture;
    Kepler::TBitmap face;
    FaceWithPicture(Kepler::TMeter& m, const QString& name, const QImage& image)
    {
        AssignImage(picture, image);
        Kepler::TMeterSettings s = m.FaceSettings();
        // A named picture is in use.
        s.BackGroundPicture = name.isEmpty() ? nullptr : &picture;
        Kepler::TMeterFaceComposer composer;
        composer.Compose(m.width(), m.height(), s, m.FaceValues(), Kepler::FaceEvents(&m, m), face);
    }
};

// The face pixel nearest to the point at angle degrees and distance r from
// the dial centre.
inline Kepler::TPoint PolarPixel(const Kepler::TMeter& m, double degrees, double r)
{
    const double a = degrees * std::numbers::pi / 180;
    return {Kepler::RoundHalfEven(m.OriginX() + r * std::cos(a)), Kepler::RoundHalfEven(m.OriginY() - r * std::sin(a))};
}

inline int CountPixels(const Kepler::TBitmap& face, Kepler::TColor c)
{
    int n = 0;
    for (int y = 0; y < face.Height(); ++y)
        for (int x = 0; x < face.Width(); ++x)
            n += FacePixel(face, x, y) == c;
    return n;
}
inline int CountPixels(const Kepler::TMeter& m, Kepler::TColor c) { return CountPixels(m.Face(), c); }

// Whether any pixel of the box (right and bottom excluded) has colour c.
inline bool BoxHasColor(const Kepler::TMeter& m, const Kepler::TRect& r, Kepler::TColor c)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (FacePixel(m, x, y) == c)
                return true;
    return false;
}

// Each label as the label event saw it.
struct SeenLabel {
    QString text;
    int chartX;
    int chartY;
};

inline std::vector<SeenLabel> PaintAndRecordLabels(Kepler::TMeter& m)
{
    std::vector<SeenLabel> seen;
    m.OnBeforeDrawScaleLabel = [&seen](QObject*, Kepler::TCanvas&, QString& text, int x, int y) {
        seen.push_back({text, x, y});
    };
    m.Paint();
    m.OnBeforeDrawScaleLabel = nullptr;
    return seen;
}

inline std::vector<QString> Texts(const std::vector<SeenLabel>& labels)
{
    std::vector<QString> texts;
    for (const SeenLabel& l : labels)
        texts.push_back(l.text);
    return texts;
}

// Text metrics in a given font, measured on a scratch canvas.
struct TextMetrics {
    int width;
    int height;
};
inline TextMetrics MeasureText(const Kepler::TFont& font, const QString& text)
{
    Kepler::TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(font);
    const std::string utf8 = text.toStdString();
    return {scratch.Canvas().TextWidth(utf8), scratch.Canvas().TextHeight(utf8)};
}
