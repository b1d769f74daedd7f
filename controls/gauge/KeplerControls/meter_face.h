#pragma once
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"
#include "KeplerControls/font.h"
#include "KeplerControls/meter_types.h"
#include "KeplerControls/needle_layout.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QObject;

namespace Kepler {

struct TMeterPaintValues;

using TmtBeforeDrawScaleLabelEvent = std::function<void(
    QObject* Sender, TCanvas& Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>;
using TBeforeDrawNeedleEvent = std::function<void(QObject* Sender, TCanvas& Canvas, bool& NeedleDrawn)>;
using TMeterRenderedEvent = std::function<void(QObject* Sender, TCanvas& Canvas)>;

// What the part of the face that does not move (background, bands, scale
// line, ticks, labels and caption) is drawn from, besides the size, the
// background picture's pixels and the system palette. Declared once for the
// settings and for the face composer, which keeps that part of the face for
// as long as these compare equal: a field added here is watched by the kept
// layer without further ado.
struct TMeterKeptLayerSettings {
    TBkgFill FBGFillMode = bfSimple;
    bool FLogarithmic = false;
    bool FScaleVis = true;
    TColor FColorScale = clNavy;
    QString FCaption;
    int FDecPlaces = 1;
    int FNrTicks = 3;
    bool FShortTicks = true;
    bool FScaleLine = true;
    TColor FColorBakG = clWhite;
    TColor FColorBakGLow = clLime;
    TColor FColorBakGNorm = clOrange;
    TColor FColorBakGHigh = clRed;
    TFont FFontCaption;
    double FScaleBakWidth = 0;
    bool FScaleBkVis = false;
    double FLowThreshold = 0;
    double FHighThreshold = 1;
    int FMeterAngle = 90;
    double FMeterRadius = 0;
    int FMeterCenterX = 0;
    int FMeterCenterY = 0;
    double FMinValue = 0;
    double FMaxValue = 1;
    TFont FFont; // the control's font: scale labels

    // Numbers compare by value: the setters refuse NaN, and a zero draws
    // alike whatever its sign (labels print no "-0"). Defaulted where it is
    // defined, as the header is also read as C++17.
    bool operator==(const TMeterKeptLayerSettings&) const;
};

// Everything the face is drawn from apart from the values: the gauge's
// settings as they stand and the geometry of the last recomputation. A
// default-made set is a new gauge's, with the geometry its constructor
// computes while the rims are still 0.
struct TMeterSettings : TMeterKeptLayerSettings {
    bool FAnchorCovrd = true;
    // The loaded pictures; null or empty while none is loaded. The anchor
    // mask belongs to the cover picture.
    const TBitmap* BackGroundPicture = nullptr;
    const TBitmap* AnchorPicture = nullptr;
    const TBitmap* AnchorMask = nullptr;
    QString FBakGndFName;
    QString FACoverFName;
    int FSizeAnchor = 24;
    bool FLimWatHighOn = true;
    bool FLimWatLowOn = true;
    TColor FLimWatActCol = clRed;
    TColor FLimWatPsvCol = clGray;
    TFrameStyle FFrameStyle = fsRaised;
    int FBRim = 10;
    int FSRim = 10;
    int FTRim = 8;
    TColor FColorCover = clBtnFace;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
    TColorScheme FColorScheme = csBWG;
    TNeedleLayout FNeedleLayout;
    TNeedleLayout FNeedle2Layout;
    TMeterLayout FMeterLayout = mlCirc90;

    TMeterSettings();
};

// The values shown: the two needles and the limit flags that the value and
// threshold setters leave.
struct TMeterValues {
    double FValue = 0;
    double FValue2 = 0;
    bool FOFL = false;
    bool FUFL = false;
};

// The events raised while a face is composed, each only when assigned.
struct TMeterPaintEvents {
    TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
    TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
    TMeterRenderedEvent OnMeterRendered;
};

// Computes the derived geometry (sweep, radius, centre) of a W by H control
// from the layout and the rims as they stand.
void CalcMeterGeometry(TMeterSettings& s, int W, int H);

// What a paint computes before drawing anything, for a face of W by H.
TMeterPaintValues ComputePaintValues(int W, int H, const TMeterSettings& s, const TMeterValues& v);

// Composes gauge faces. The part of the face that does not depend on the
// values (background, bands, scale line, ticks, labels and caption) is kept
// from one composition to the next and composed again only when something
// it is drawn from differs; while a label handler is assigned the labels and
// the caption are composed every time, since the handler may change them.
// The needle and end-of-render events fire on every composition.
class TMeterFaceComposer {
public:
    // Composes the face of a W by H control into `face`, raising the events
    // with Sender. Returns False, drawing nothing and raising nothing, when
    // no dial fits. Settings and values are read as they stand at each step,
    // so a handler that changes them affects the steps after it. May be
    // entered again from an event handler.
    TMeterFaceComposer();
    ~TMeterFaceComposer();
    TMeterFaceComposer(const TMeterFaceComposer&) = delete;
    TMeterFaceComposer& operator=(const TMeterFaceComposer&) = delete;

    bool Compose(QObject* Sender, int W, int H, const TMeterSettings& s, const TMeterValues& v,
                 const TMeterPaintEvents& e, TBitmap& face);

    // Whether the kept layer is used; off composes every face from scratch.
    bool Caching() const { return FCaching; }
    void SetCaching(bool on);

    // How often the kept layer has been composed.
    int StaticCompositions() const { return FStaticCompositions; }

private:
    bool FCaching = true;
    int FDepth = 0;
    int FStaticCompositions = 0;
    struct TStaticKey;
    std::unique_ptr<TStaticKey> FStaticKey; // what the kept layer was composed from
    TBitmap FStatic;
    TBitmap FWork;
    struct TCanvasState {
        TPen Pen;
        TBrush Brush;
        TFont Font;
        TPoint PenPos;
        TCopyMode CopyMode = cmSrcCopy;
    } FStaticState;
};

} // namespace Kepler
