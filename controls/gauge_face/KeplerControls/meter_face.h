#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"
#include "KeplerControls/font.h"
#include "KeplerControls/meter_face_types.h"
#include "KeplerControls/needle_style.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Kepler {

// The face's events, free of Qt: the widget adds itself as the sender and
// turns the label into its own string type.
using TFaceLabelEvent = std::function<void(TCanvas& Canvas, std::string& CurrentTickLabel, int ChartX,
                                           int ChartY)>; // a scale label (UTF-8) is about to be drawn at (ChartX, ChartY); the handler may change it
using TFaceNeedleEvent = std::function<void(TCanvas& Canvas, bool& NeedleDrawn)>; // the needles are about to be drawn; setting NeedleDrawn skips the face's own
using TFaceRenderedEvent = std::function<void(TCanvas& Canvas)>; // the face is complete on Canvas

// What the part of the face that does not move (background, bands, scale
// line, ticks, labels and caption) is drawn from, besides the size, the
// background picture's pixels and the system colours. Declared once for the
// settings and for the face composer, which keeps that part of the face for
// as long as these compare equal: a field added here is watched by the kept
// layer without further ado.
struct KEPLERCONTROLS_EXPORT TMeterKeptLayerSettings {
    TBkgFill FBGFillMode = bfSimple; // property BkgndFillMode
    bool FLogarithmic = false; // property Logarithmic
    bool FScaleVis = true; // property ScaleVisible
    TColor FColorScale = clNavy; // property ColorScale
    std::string FCaption; // property Caption, UTF-8
    int FDecPlaces = 1; // property MeterDecPlaces
    int FNrTicks = 3; // property MeterNrTicks
    bool FShortTicks = true; // property MeterShortTicks
    bool FScaleLine = true; // property MeterScaleLine
    TColor FColorBakG = clWhite; // property ColorBakG
    TColor FColorBakGLow = clLime; // property ColorSclBkLow
    TColor FColorBakGNorm = clOrange; // property ColorSclBkNorm
    TColor FColorBakGHigh = clRed; // property ColorSclBkHigh
    TFont FFontCaption; // property FontCaption
    double FScaleBakWidth = 0; // property ScaleBkWidth
    bool FScaleBkVis = false; // property ScaleBkVisible
    double FLowThreshold = 0; // property ThresholdLow
    double FHighThreshold = 1; // property ThresholdHigh
    int FMeterAngle = 90; // derived: sweep in degrees
    double FMeterRadius = 0; // derived: scale radius in pixels
    int FMeterCenterX = 0; // derived: x of the dial centre
    int FMeterCenterY = 0; // derived: y of the dial centre
    double FMinValue = 0; // property MeterMinValue
    double FMaxValue = 1; // property MeterMaxValue
    TFont FFont; // the control's font: scale labels
    // Device pixels per control pixel of the face: 1 for a face in the
    // control's own pixels; settings scaled for a denser screen carry their
    // ratio, which the composer's fixed lengths (ticks, lamps) follow.
    double FPixelRatio = 1;

    // Numbers compare by value: the setters refuse NaN, and a zero draws
    // alike whatever its sign (labels print no "-0"). Defaulted where it is
    // defined, as the header is also read as C++17.
    bool operator==(const TMeterKeptLayerSettings&) const;
};

// Everything the face is drawn from apart from the values: the gauge's
// settings as they stand and the geometry of the last recomputation. A
// default-made set is a new gauge's, with the geometry its constructor
// computes while the rims are still 0.
struct KEPLERCONTROLS_EXPORT TMeterSettings : TMeterKeptLayerSettings {
    bool FAnchorCovrd = true; // property AnchorCovered
    // The pictures in use: null while none is named (BackGroundImg,
    // AnchorImage). An empty background picture counts as none. The anchor
    // mask belongs to the cover picture.
    const TBitmap* BackGroundPicture = nullptr;
    const TBitmap* AnchorPicture = nullptr; // the anchor cover picture
    const TBitmap* AnchorMask = nullptr; // its transparency mask
    int FSizeAnchor = 24; // property AnchorSize
    bool FLimWatHighOn = true; // property LimWatchHighOn
    bool FLimWatLowOn = true; // property LimWatchLowOn
    TColor FLimWatActCol = clRed; // property LimWatchActColor
    TColor FLimWatPsvCol = clGray; // property LimWatchPsvColor
    TFrameStyle FFrameStyle = fsRaised; // property FrameStyle
    int FBRim = 10; // property RimBottom
    int FSRim = 10; // property RimSide
    int FTRim = 8; // property RimTop
    TColor FColorCover = clBtnFace; // property ColorCover
    TColor FColGrayLine = clGray; // grey frame line colour, set by the colour scheme
    TColor FColWhiteLine = clWhite; // light frame line colour, set by the colour scheme
    TColorScheme FColorScheme = csBWG; // property ColorScheme
    TNeedleStyle FNeedleLayout; // property NeedleLayout
    TNeedleStyle FNeedle2Layout; // property NeedleLayoutSec
    TMeterLayout FMeterLayout = mlCirc90; // property MeterLayout

    TMeterSettings();
};

// The values shown: the two needles and the limit flags that the value and
// threshold setters leave.
struct TMeterValues {
    double FValue = 0; // property Value
    double FValue2 = 0; // property ValueSec
    bool FOFL = false; // overflow: the value is above the high threshold; lights the high lamp
    bool FUFL = false; // underflow: the value is below the low threshold; lights the low lamp
};

// The events raised while a face is composed, each only when assigned.
struct TMeterFaceEvents {
    TFaceLabelEvent OnBeforeDrawScaleLabel; // before each scale label is drawn; may change the label
    TFaceNeedleEvent OnBeforeDrawNeedle; // before the needles are drawn; setting NeedleDrawn skips the face's own drawing
    TFaceRenderedEvent OnMeterRendered; // when the face is complete, to draw over it
};

// Computes the derived geometry (sweep, radius, centre) of a W by H control
// from the layout and the rims as they stand.
KEPLERCONTROLS_EXPORT void CalcMeterGeometry(TMeterSettings& s, int W, int H);

struct TMeterPaintValues;
class TFaceOverlay;

// Composes gauge faces. The part of the face that does not depend on the
// values (background, bands, scale line, ticks, labels and caption) is kept
// from one composition to the next and composed again only when something
// it is drawn from differs; while a label handler is assigned the labels and
// the caption are composed every time, since the handler may change them.
// So is the part drawn over the needles (rims, anchor, bevel line, lamps and
// frame): while no event handler is assigned, a composition into the face
// it composed last redraws only what the needles and the lamps touch. The
// needle and end-of-render events fire on every composition.
class KEPLERCONTROLS_EXPORT TMeterFaceComposer {
public:
    // A composer with nothing kept yet, caching on.
    TMeterFaceComposer();
    ~TMeterFaceComposer();
    TMeterFaceComposer(const TMeterFaceComposer&) = delete;
    TMeterFaceComposer& operator=(const TMeterFaceComposer&) = delete;

    // Composes the face of a W by H control into `face`, raising the events.
    // Returns False, drawing nothing and raising nothing, when
    // no dial fits. Settings and values are read as they stand at each step,
    // so a handler that changes them affects the steps after it. May be
    // entered again from an event handler.
    bool Compose(int W, int H, const TMeterSettings& s, const TMeterValues& v, const TMeterFaceEvents& e,
                 TBitmap& face);

    // Whether the kept layer is used; off composes every face from scratch.
    bool Caching() const { return FCaching; }
    void SetCaching(bool on);

    // How often the kept layer has been composed.
    int StaticCompositions() const { return FStaticCompositions; }

private:
    struct TStaticKey;
    // Composes the kept layer again unless it was composed from all that it
    // is drawn from now; true when it was composed.
    bool KeepStaticLayer(int W, int H, const TMeterSettings& s, const TMeterValues& v, const TMeterFaceEvents& e,
                         const TMeterPaintValues& pv, bool withLabels);
    // A composition without event handlers: over the kept layers.
    void ComposeOverKeptLayers(int W, int H, const TMeterSettings& s, const TMeterValues& v,
                               const TMeterPaintValues& pv, TBitmap& face);

    bool FCaching = true;
    int FDepth = 0;
    int FStaticCompositions = 0;
    std::uint64_t FStaticGeneration = 0; // changes whenever FStatic is composed again
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
    // The part over the needles.
    std::unique_ptr<TFaceOverlay> FOverlay;
    // The face last composed over the kept layers, by its pixels' identity
    // (0: none), the layers it was composed over, and where its needles lie.
    std::uint64_t FFaceKey = 0;
    std::uint64_t FFaceStatic = 0;
    std::uint64_t FFaceOverlay = 0;
    int FFaceLighting = 0; // its lamps: 1 the high one lit, 2 the low one
    TRect FNeedleBoxes[4];
    int FNeedleBoxCount = 0;
};

} // namespace Kepler
