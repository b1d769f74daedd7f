#pragma once
#include "meter.h"

#include <cctype>
#include <string>
#include <vector>

// Read access to the state only painting reads.
struct TMeterProbe {
    static bool OverFlow(const TMeter& m) { return m.FOFL; }
    static bool UnderFlow(const TMeter& m) { return m.FUFL; }
    static TColor GrayLine(const TMeter& m) { return m.FColGrayLine; }
    static TColor WhiteLine(const TMeter& m) { return m.FColWhiteLine; }
    // Puts a background picture in place as if the named file had been read.
    static void SetBackgroundPicture(TMeter& m, const QString& name, const QImage& picture)
    {
        m.FBakGndFName = name;
        m.AuxBGBmp.Assign(picture);
    }
};

// The main window's gauge, loaded the way its window description does it:
// the size first, then the other settings in declaration order.
inline void LoadMainWindowGauge(TMeter& m)
{
    m.BeginLoading();
    m.SetBounds(494, 128, 105, 87);
    m.SetAnchorSize(8);
    m.SetAnchorCovered(true);
    m.SetBkgndFillMode(bfSimple);
    m.SetCaption(QString());
    m.SetColorBakG(clWhite);
    m.SetColorCover(clBtnFace);
    m.SetColorScale(clNavy);
    m.SetColorScheme(csBWG);
    m.SetColorSclBkLow(clLime);
    m.SetColorSclBkNorm(clOrange);
    m.SetColorSclBkHigh(clBlue);
    TFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetHeight(-11);
    m.SetFont(font);
    font.SetHeight(0);
    m.SetFontCaption(font);
    m.SetFrameStyle(fsRaised);
    m.SetLimWatchHighOn(false);
    m.SetLimWatchLowOn(false);
    m.SetLimWatchActColor(clRed);
    m.SetLimWatchPsvColor(clGray);
    m.SetLogarithmic(false);
    m.SetThresholdLow(-1);
    m.SetThresholdHigh(1);
    m.SetMeterMinValue(-1);
    m.SetMeterMaxValue(1);
    m.SetMeterDecPlaces(1);
    m.SetMeterNrTicks(2);
    m.SetMeterLayout(mlCirc90);
    m.SetMeterShortTicks(false);
    m.SetMeterScaleLine(true);
    struct Needle {
        TNeedleLayout& layout;
        int headSize, headAngle, headMidLeng;
        bool visible;
    };
    for (const Needle& n : {Needle{m.NeedleLayout(), 6, 6, 6, true}, Needle{m.NeedleLayoutSec(), 5, 30, 20, false}}) {
        n.layout.SetHeadSize(n.headSize);
        n.layout.SetHeadAngle(n.headAngle);
        n.layout.SetHeadMidLeng(n.headMidLeng);
        n.layout.SetThickness(1);
        n.layout.SetColorBody(clSilver);
        n.layout.SetColorOutline(clBlack);
        n.layout.SetPercentNeedleLength(100);
        n.layout.SetShadowDx(0);
        n.layout.SetShadowDy(0);
        n.layout.SetShadowColor(clGray);
        n.layout.SetVisible(n.visible);
    }
    m.SetRimTop(3);
    m.SetRimBottom(3);
    m.SetRimSide(3);
    m.SetScaleBkVisible(true);
    m.SetScaleVisible(true);
    m.Loaded();
}

// Records the range events a gauge raises with the number of paints done
// when each fired.
struct RangeEventLog {
    std::vector<std::string> events;
    std::vector<int> paintCounts;
    int paintsBefore = 0;

    explicit RangeEventLog(TMeter& m) : paintsBefore(m.PaintCount())
    {
        auto record = [this, &m](const char* name) {
            return [this, &m, name](QObject* sender) {
                events.push_back(sender == &m ? name : "foreign sender");
                paintCounts.push_back(m.PaintCount());
            };
        };
        m.OnOverFlow = record("over");
        m.OnNormalRange = record("normal");
        m.OnUnderFlow = record("under");
    }

    std::string Joined() const
    {
        std::string s;
        for (const std::string& e : events)
            s += (s.empty() ? "" : ",") + e;
        return s;
    }
};

// A test-name-safe form of a case description.
inline std::string CaseName(const char* description)
{
    std::string s;
    for (const char* p = description; *p; ++p)
        s += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return s;
}
