#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"
#include "KeplerControls/control.h"
#include "KeplerControls/font.h"
#include "KeplerControls/meter_face.h"
#include "KeplerControls/meter_paint_events.h"
#include "KeplerControls/meter_types.h"
#include "KeplerControls/mouse_input.h"
#include "KeplerControls/needle_layout.h"
#include "KeplerControls/notify_event.h"
#include "KeplerControls/shift_state.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace Kepler {

class TMeterModel;
struct TMeterModelState;
class TScaledFaceComposer;
struct TMeterStep;

using TMouseMoveInMeterEvent =
    std::function<void(QObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>; // the pointer is over the gauge at MeterValue

// An analog gauge: a circular scale between a minimum and a maximum with a
// primary and a secondary needle, coloured scale bands, two limit lamps, a
// caption and optional background and anchor images.
//
// The widget holds the settings and painting events and loads; a Qt-free
// model keeps the values by their rules, its reports become range events
// and change signals, and a TMeterFaceComposer composes the face from both. Paint() has the face composed and kept in Face(); the widget shows
// that face. Setters that repaint call Paint() synchronously, once; events
// fire after the new value and flags are stored and before that repaint.
class KEPLERCONTROLS_EXPORT TMeter : public QWidget,
               public TControl,
               private TMeterSettings,
               private TMeterValues,
               public TMeterPaintEvents {
    Q_OBJECT
    // Every published property, declared in the order a form sets them: the
    // sweep and the bounds first, then the scale type, the thresholds and the
    // values that are clamped into the bounds.
    Q_PROPERTY(Kepler::MeterTypes::TMeterLayout MeterLayout READ MeterLayout WRITE SetMeterLayout)
    Q_PROPERTY(double MeterMinValue READ MeterMinValue WRITE SetMeterMinValue NOTIFY MeterMinValueChanged)
    Q_PROPERTY(double MeterMaxValue READ MeterMaxValue WRITE SetMeterMaxValue NOTIFY MeterMaxValueChanged)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic NOTIFY LogarithmicChanged)
    Q_PROPERTY(double ThresholdLow READ ThresholdLow WRITE SetThresholdLow NOTIFY ThresholdLowChanged)
    Q_PROPERTY(double ThresholdHigh READ ThresholdHigh WRITE SetThresholdHigh NOTIFY ThresholdHighChanged)
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY ValueChanged USER true)
    Q_PROPERTY(double ValueSec READ ValueSec WRITE SetValueSec NOTIFY ValueSecChanged)
    Q_PROPERTY(int AnchorSize READ AnchorSize WRITE SetAnchorSize)
    Q_PROPERTY(bool AnchorCovered READ AnchorCovered WRITE SetAnchorCovered)
    Q_PROPERTY(QString AnchorImage READ AnchorImage WRITE SetAnchorImage)
    Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImgProperty)
    Q_PROPERTY(Kepler::MeterTypes::TBkgFill BkgndFillMode READ BkgndFillMode WRITE SetBkgndFillMode)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    // Colours and fonts are Qt's types here, so that Designer's editors,
    // <color> and <font> in forms and qproperty- in style sheets reach them.
    Q_PROPERTY(QColor ColorBakG READ ColorBakGQColor WRITE SetColorBakGQColor)
    Q_PROPERTY(QColor ColorCover READ ColorCoverQColor WRITE SetColorCoverQColor)
    Q_PROPERTY(QColor ColorScale READ ColorScaleQColor WRITE SetColorScaleQColor)
    Q_PROPERTY(Kepler::MeterTypes::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(QColor ColorSclBkLow READ ColorSclBkLowQColor WRITE SetColorSclBkLowQColor)
    Q_PROPERTY(QColor ColorSclBkNorm READ ColorSclBkNormQColor WRITE SetColorSclBkNormQColor)
    Q_PROPERTY(QColor ColorSclBkHigh READ ColorSclBkHighQColor WRITE SetColorSclBkHighQColor)
    Q_PROPERTY(QFont FontCaption READ FontCaptionQFont WRITE SetFontCaptionQFont)
    // The label font is the widget's font: Designer edits it as "font".
    Q_PROPERTY(QFont Font READ FontQFont WRITE setFont DESIGNABLE false STORED false)
    Q_PROPERTY(Kepler::MeterTypes::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool LimWatchHighOn READ LimWatchHighOn WRITE SetLimWatchHighOn)
    Q_PROPERTY(bool LimWatchLowOn READ LimWatchLowOn WRITE SetLimWatchLowOn)
    Q_PROPERTY(QColor LimWatchActColor READ LimWatchActColorQColor WRITE SetLimWatchActColorQColor)
    Q_PROPERTY(QColor LimWatchPsvColor READ LimWatchPsvColorQColor WRITE SetLimWatchPsvColorQColor)
    Q_PROPERTY(int MeterDecPlaces READ MeterDecPlaces WRITE SetMeterDecPlaces)
    Q_PROPERTY(int MeterNrTicks READ MeterNrTicks WRITE SetMeterNrTicks)
    Q_PROPERTY(bool MeterShortTicks READ MeterShortTicks WRITE SetMeterShortTicks)
    Q_PROPERTY(bool MeterScaleLine READ MeterScaleLine WRITE SetMeterScaleLine)
    // Gadgets: readable and writable as values, which Designer cannot edit.
    Q_PROPERTY(Kepler::TNeedleLayout NeedleLayout READ NeedleLayout WRITE SetNeedleLayout DESIGNABLE false)
    Q_PROPERTY(Kepler::TNeedleLayout NeedleLayoutSec READ NeedleLayoutSec WRITE SetNeedleLayoutSec DESIGNABLE false)
    Q_PROPERTY(int RimBottom READ RimBottom WRITE SetRimBottom)
    Q_PROPERTY(int RimTop READ RimTop WRITE SetRimTop)
    Q_PROPERTY(int RimSide READ RimSide WRITE SetRimSide)
    Q_PROPERTY(double ScaleBkWidth READ ScaleBkWidth WRITE SetScaleBkWidth)
    Q_PROPERTY(bool ScaleBkVisible READ ScaleBkVisible WRITE SetScaleBkVisible)
    Q_PROPERTY(bool ScaleVisible READ ScaleVisible WRITE SetScaleVisible)
    // The standard members that mean something in Qt. Enabled and Visible
    // are the control's own flags, unlike QWidget's enabled and visible,
    // which also depend on the parent; TabOrder is set in code (Designer
    // has its own tab order editor).
    Q_PROPERTY(Kepler::StandardTypes::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(Kepler::StandardTypes::TDragKind DragKind READ DragKind WRITE SetDragKind)
    Q_PROPERTY(Kepler::StandardTypes::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    // The geometry of the last recomputation.
    Q_PROPERTY(int OriginX READ OriginX STORED false)
    Q_PROPERTY(int OriginY READ OriginY STORED false)
    Q_PROPERTY(double ScaleRadius READ ScaleRadius STORED false)

public:
    // Creates a gauge of 297 by 209 pixels with every property at its default.
    explicit TMeter(QWidget* AOwner = nullptr);
    ~TMeter() override;

    // --- published properties ---------------------------------------------
    // Radius in pixels of the cap drawn over the needles' anchor (24).
    int AnchorSize() const { return FSizeAnchor; }
    void SetAnchorSize(int v);
    // Whether a cap or the anchor picture covers the needles' anchor (True).
    bool AnchorCovered() const { return FAnchorCovrd; }
    void SetAnchorCovered(bool v);
    // File of the picture that covers the anchor; empty for none.
    const QString& AnchorImage() const { return FACoverFName; }
    void SetAnchorImage(const QString& v);
    // File of the background picture (a bitmap file); empty for none. Setting an
    // unreadable file raises EMeterImageError; the name stays set.
    const QString& BackGroundImg() const { return FBakGndFName; }
    void SetBackGroundImg(const QString& v);
    // The property's writer: an unreadable picture raises no error.
    void SetBackGroundImgProperty(const QString& v);
    // How the background picture fills the control (bfSimple).
    TBkgFill BkgndFillMode() const { return FBGFillMode; }
    void SetBkgndFillMode(TBkgFill v);
    // Text shown below the scale's centre.
    const QString& Caption() const { return FCaptionText; }
    void SetCaption(const QString& v);
    // Colour of the dial where no background picture is shown (white).
    TColor ColorBakG() const { return FColorBakG; }
    void SetColorBakG(TColor v);
    // Colour of the rims that cover the dial's edges (clBtnFace).
    TColor ColorCover() const { return FColorCover; }
    void SetColorCover(TColor v);
    // Colour of the scale arc and the ticks (navy); the labels take Font()'s colour.
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor v);
    // Colours of the frame's light and grey lines (csBWG).
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme v);
    // Colour of the scale band from the minimum to ThresholdLow() (lime).
    TColor ColorSclBkLow() const { return FColorBakGLow; }
    void SetColorSclBkLow(TColor v);
    // Colour of the scale band between the thresholds (orange).
    TColor ColorSclBkNorm() const { return FColorBakGNorm; }
    void SetColorSclBkNorm(TColor v);
    // Colour of the scale band from ThresholdHigh() to the maximum (red).
    TColor ColorSclBkHigh() const { return FColorBakGHigh; }
    void SetColorSclBkHigh(TColor v);
    // The caption font has no change link: editing it in place shows at the
    // next repaint; assigning a font copies it and repaints.
    TFont& FontCaption() { return FFontCaption; }
    const TFont& FontCaption() const { return FFontCaption; }
    void SetFontCaption(const TFont& v);
    // Frame drawn along the control's border (fsRaised).
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle v);
    // Whether the high limit lamp is shown (True); it lights while the value overflows.
    bool LimWatchHighOn() const { return FLimWatHighOn; }
    void SetLimWatchHighOn(bool v);
    // Whether the low limit lamp is shown (True); it lights while the value underflows.
    bool LimWatchLowOn() const { return FLimWatLowOn; }
    void SetLimWatchLowOn(bool v);
    // Colour of a lit limit lamp (red).
    TColor LimWatchActColor() const { return FLimWatActCol; }
    void SetLimWatchActColor(TColor v);
    // Colour of a dark limit lamp (gray).
    TColor LimWatchPsvColor() const { return FLimWatPsvCol; }
    void SetLimWatchPsvColor(TColor v);
    // Logarithmic scale (False); switching it on is refused while a bound is at or below 1e-100.
    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool v);
    // Low threshold: a value at or below it underflows. Set by SetThresholdLow().
    double ThresholdLow() const { return FLowThreshold; }
    // High threshold: a value at or above it overflows. Set by SetThresholdHigh().
    double ThresholdHigh() const { return FHighThreshold; }
    // Scale minimum (0). Set by SetMeterMinValue().
    double MeterMinValue() const { return FMinValue; }
    // Scale maximum (1). Set by SetMeterMaxValue().
    double MeterMaxValue() const { return FMaxValue; }
    // Decimal places of the scale labels, 0 to 4 (1).
    int MeterDecPlaces() const { return FDecPlaces; }
    void SetMeterDecPlaces(int v);
    // Number of labelled main ticks, 2 to 21 (3).
    int MeterNrTicks() const { return FNrTicks; }
    void SetMeterNrTicks(int v);
    // Sweep of the scale, 90 to 360 degrees (mlCirc90).
    TMeterLayout MeterLayout() const { return FMeterLayout; }
    void SetMeterLayout(TMeterLayout v);
    // Whether short ticks are drawn between the main ticks (True).
    bool MeterShortTicks() const { return FShortTicks; }
    void SetMeterShortTicks(bool v);
    // Whether the scale's arc line is drawn (True).
    bool MeterScaleLine() const { return FScaleLine; }
    void SetMeterScaleLine(bool v);
    // The gauge's own layouts; changes made through them repaint the gauge.
    TNeedleLayout& NeedleLayout() { return FPrimaryNeedle; }
    const TNeedleLayout& NeedleLayout() const { return FPrimaryNeedle; }
    // Copies the given layout's settings and repaints; null leaves all as is.
    void SetNeedleLayout(const TNeedleLayout* v);
    // The secondary needle's layout (hidden by default); changes made through it
    // repaint the gauge.
    TNeedleLayout& NeedleLayoutSec() { return FSecondaryNeedle; }
    const TNeedleLayout& NeedleLayoutSec() const { return FSecondaryNeedle; }
    void SetNeedleLayoutSec(const TNeedleLayout* v);
    // Copies the given layout's settings into the primary needle's and repaints.
    void SetNeedleLayout(const TNeedleLayout& v) { SetNeedleLayout(&v); }
    // Copies the given layout's settings into the secondary needle's and repaints.
    void SetNeedleLayoutSec(const TNeedleLayout& v) { SetNeedleLayoutSec(&v); }
    // Height in pixels of the bottom rim (10). Rim changes repaint with the
    // geometry of the last recomputation.
    int RimBottom() const { return FBRim; }
    void SetRimBottom(int v);
    // Height in pixels of the top rim (8).
    int RimTop() const { return FTRim; }
    void SetRimTop(int v);
    // Width in pixels of the left and right rims (10).
    int RimSide() const { return FSRim; }
    void SetRimSide(int v);
    // Width of the coloured scale band in percent of the scale radius, 0 to 100.
    double ScaleBkWidth() const { return FScaleBakWidth; }
    void SetScaleBkWidth(double v);
    // Whether the coloured scale bands are drawn (False).
    bool ScaleBkVisible() const { return FScaleBkVis; }
    void SetScaleBkVisible(bool v);
    // Whether the scale is drawn: arc line, ticks and labels (True).
    bool ScaleVisible() const { return FScaleVis; }
    void SetScaleVisible(bool v);
    // Value shown by the primary needle, within the bounds. Set by SetValue().
    double Value() const { return FValue; }
    // Value shown by the secondary needle. Set by SetValueSec().
    double ValueSec() const { return FValue2; }

    // The colour and font properties as Qt's types. A system colour reads as
    // the colour it resolves to now; a QColor written is stored as a plain
    // RGB colour, its alpha dropped; an invalid one changes nothing.

    // ColorBakG as a QColor.
    QColor ColorBakGQColor() const;
    void SetColorBakGQColor(const QColor& v);
    // ColorCover as a QColor.
    QColor ColorCoverQColor() const;
    void SetColorCoverQColor(const QColor& v);
    // ColorScale as a QColor.
    QColor ColorScaleQColor() const;
    void SetColorScaleQColor(const QColor& v);
    // ColorSclBkLow as a QColor.
    QColor ColorSclBkLowQColor() const;
    void SetColorSclBkLowQColor(const QColor& v);
    // ColorSclBkNorm as a QColor.
    QColor ColorSclBkNormQColor() const;
    void SetColorSclBkNormQColor(const QColor& v);
    // ColorSclBkHigh as a QColor.
    QColor ColorSclBkHighQColor() const;
    void SetColorSclBkHighQColor(const QColor& v);
    // LimWatchActColor as a QColor.
    QColor LimWatchActColorQColor() const;
    void SetLimWatchActColorQColor(const QColor& v);
    // LimWatchPsvColor as a QColor.
    QColor LimWatchPsvColorQColor() const;
    void SetLimWatchPsvColorQColor(const QColor& v);
    // FontCaption as a QFont, in the unit it was given: a QFont in points
    // reads back in points until the caption font is changed another way.
    QFont FontCaptionQFont() const;
    void SetFontCaptionQFont(const QFont& v);
    // Font as a QFont, in the unit the widget's font was given.
    QFont FontQFont() const;

public slots:
    // What a developer wires to other widgets' signals: as slots they can be
    // connected by name, as in Designer's signal editor, from any signal
    // carrying a double (QDoubleSpinBox::valueChanged, for one).

    // Sets the primary needle's value, clamped into the bounds, and repaints.
    void SetValue(double v);
    // Sets the secondary needle's value, clamped into the bounds, and repaints.
    void SetValueSec(double v);
    // Sets the scale minimum; a maximum it reaches moves out of its way, and values
    // and thresholds are kept within the new bounds. Not finite numbers are refused.
    void SetMeterMinValue(double v);
    // Sets the scale maximum; a minimum it reaches moves out of its way, and values
    // and thresholds are kept within the new bounds. Not finite numbers are refused.
    void SetMeterMaxValue(double v);
    // Sets the low threshold, clamped into the bounds; it pushes the high one along.
    void SetThresholdLow(double v);
    // Sets the high threshold, clamped into the bounds; it pushes the low one along.
    void SetThresholdHigh(double v);

public:
    // Font of the scale labels. A change schedules a repaint, as for any
    // control whose font changes.
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& v)
    {
        FFont.Assign(v);
        FontAssigned();
    }

    // --- events -------------------------------------------------------------
    // Called when a value set is at or above the high threshold.
    TNotifyEvent OnOverFlow;
    // Called when a value set lies between the thresholds.
    TNotifyEvent OnNormalRange;
    // Called when a value set is at or below the low threshold.
    TNotifyEvent OnUnderFlow;
    // Called when the pointer moves over the gauge, with the scale value under it
    // and whether that lies within the scale's sector.
    TMouseMoveInMeterEvent OnMouseMoveInMeter;
    // OnBeforeDrawScaleLabel, OnBeforeDrawNeedle and OnMeterRendered come
    // from TMeterPaintEvents.

    TNotifyEvent OnClick;    // left button pressed and released over the gauge
    // Called on a double click on the gauge.
    TNotifyEvent OnDblClick;
    // Called when a mouse button is pressed over the gauge.
    TMouseEvent OnMouseDown;
    // Called when a mouse button is released after a press on the gauge.
    TMouseEvent OnMouseUp;
    // Called when the pointer moves over the gauge.
    TMouseMoveEvent OnMouseMove;

signals:
    // Beside the On... events, each raised after its handler. The change
    // signals report the value-like properties that a setter changed,
    // side effects included, once the setter is done.

    // The primary needle's value changed.
    void ValueChanged(double Value);
    // The secondary needle's value changed.
    void ValueSecChanged(double ValueSec);
    // The scale minimum changed.
    void MeterMinValueChanged(double MeterMinValue);
    // The scale maximum changed.
    void MeterMaxValueChanged(double MeterMaxValue);
    // The low threshold changed.
    void ThresholdLowChanged(double ThresholdLow);
    // The high threshold changed.
    void ThresholdHighChanged(double ThresholdHigh);
    // Logarithmic() changed.
    void LogarithmicChanged(bool Logarithmic);
    // After OnOverFlow.
    void OverFlow();
    // After OnNormalRange.
    void NormalRange();
    // After OnUnderFlow.
    void UnderFlow();
    // After OnMouseMoveInMeter.
    void MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue);
    // Receivers of the painting signals may change the label and the flag
    // as a handler can.

    // After OnBeforeDrawScaleLabel; a receiver may change the label.
    void BeforeDrawScaleLabel(TCanvas& Canvas, QString& CurrentTickLabel, int ChartX, int ChartY);
    // After OnBeforeDrawNeedle; a receiver that sets NeedleDrawn draws the needle itself.
    void BeforeDrawNeedle(TCanvas& Canvas, bool& NeedleDrawn);
    // After OnMeterRendered, when the face is complete.
    void MeterRendered(TCanvas& Canvas);
    // After OnClick.
    void Click();
    // After OnDblClick.
    void DblClick();
    // After OnMouseDown.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    // After OnMouseUp.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // After OnMouseMove.
    void MouseMove(TShiftState Shift, int X, int Y);
    // The drag and dock events; a DragOver receiver may set Accept as a
    // handler does.

    // After OnDragDrop: Source was dropped on the gauge at (X, Y).
    void DragDrop(QObject* Source, int X, int Y);
    // After OnDragOver: Source is dragged over the gauge; a receiver may set Accept.
    void DragOver(QObject* Source, int X, int Y, Kepler::TDragState State, bool& Accept);
    // After OnEndDrag: a drag of the gauge ended on Target (or nullptr).
    void EndDrag(QObject* Target, int X, int Y);
    // After OnStartDrag: a drag of the gauge began.
    void StartDrag();
    // After OnEndDock.
    void EndDock(QObject* Target, int X, int Y);
    // After OnStartDock.
    void StartDock();

public:
    // Ends a drag (TControl's EndDrag), kept beside the signal of that name.
    using TControl::EndDrag;

    // --- geometry and pointer input -----------------------------------------
    // Every move or resize goes through here and recomputes the geometry with
    // the rims current at that moment.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // Moves the gauge through SetBounds().
    void SetLeft(int v) { SetBounds(v, y(), width(), height()); }
    // Moves the gauge through SetBounds().
    void SetTop(int v) { SetBounds(x(), v, width(), height()); }
    // Resizes the gauge through SetBounds().
    void SetWidth(int v) { SetBounds(x(), y(), v, height()); }
    // Resizes the gauge through SetBounds().
    void SetHeight(int v) { SetBounds(x(), y(), width(), v); }

    // Needle angle in degrees: 180 - S/2 at the minimum, 180 + S/2 at the maximum.
    double CalcNeedleAngle(double value) const;
    // Pixel position of a value at pctradius percent of the scale radius.
    void ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const;
    // Scale value under a pixel; False (and 0) outside the scale's sector.
    bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;

    // Horizontal centre of the dial in the control's pixels.
    int OriginX() const { return CaughtUp().FMeterCenterX; }
    // Vertical centre of the dial in the control's pixels.
    int OriginY() const { return CaughtUp().FMeterCenterY; }
    // Radius of the scale in pixels; zero or less when the control is too small for a dial.
    double ScaleRadius() const { return CaughtUp().FMeterRadius; }
    // Sweep of the scale in degrees.
    int MeterAngle() const { return CaughtUp().FMeterAngle; }

    // The designed size; a layout may shrink the gauge to about half of it.
    QSize sizeHint() const override;
    // About half the designed size.
    QSize minimumSizeHint() const override;

    // --- loading and painting -----------------------------------------------
    // End of loading: clamps the value, reloads named images and repaints.
    void Loaded() override;

    // Composes the whole face and makes it the face shown. On a screen with
    // more than one device pixel to a control pixel the face is composed in
    // the screen's pixels, so lines and text are sharp there; while a
    // painting event or signal is assigned (its handler draws in control
    // pixels) it is composed in control pixels and enlarged.
    void Paint();
    // The face last composed, FacePixelRatio() times the control's size.
    const TBitmap& Face() const { return FFace; }
    // Device pixels to a control pixel in Face(): 1, or the ratio of the
    // screen (or image) the gauge was last painted on.
    double FacePixelRatio() const { return FFaceRatio; }
    // What the face is composed from, as it stands.
    const TMeterSettings& FaceSettings() const { return CaughtUp(); }
    // The values the face is composed from.
    const TMeterValues& FaceValues() const { return *this; }

protected:
    // A font that reaches the gauge the Qt way (its parent's while
    // ParentFont is set, a style sheet's, setFont) shows on the face at
    // once, as a setter's change does.
    void WidgetFontChanged() override;
    bool RaiseDragSignal(const TDragSignal& d) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CalcMeterGeometry();
    void GeometryMayHaveChanged();
    // Qt takes a size given to a hidden widget at once but reports it only
    // when the widget is shown; every geometry read catches up here first.
    const TMeterSettings& CaughtUp() const;
    // The value model, told the loading state before every use.
    TMeterModel& Model();
    // Copies the model's values and flags into what the face is composed from.
    void TakeModelValues();
    // Shows what a model setter did: the range event, then the repaint.
    void ShowStep(const TMeterStep& step);
    void ReportValueChanges(const TMeterModelState& before);
    // Reports what the setter it guards changed once that setter is done,
    // unless it ends with an error.
    class TValueChangeReport;
    bool PaintSignalsConnected() const;
    TMeterPaintEvents PaintEventsWithSignals();
    void ReloadImages();
    void ShowFace();

    template <typename T>
    void StoreAndRepaintIfChanged(T& field, T v);

    // The face's settings take the needle layouts and the pictures in use
    // as they stand now.
    void TakeFaceSettings();

    // The file names as given (BackGroundImg, AnchorImage): a picture is
    // used while its name is set.
    QString FBakGndFName;
    QString FACoverFName;
    // The caption as given; the face draws it from FCaption, its UTF-8 copy.
    QString FCaptionText;
    // The two needles' layouts with their change links; the face draws the
    // copies in FNeedleLayout and FNeedle2Layout.
    TNeedleLayout FPrimaryNeedle;
    TNeedleLayout FSecondaryNeedle;

    // The loaded pictures; the settings point at them while they are in use.
    TBitmap AuxBGBmp;
    TBitmap AuxACBmp;
    TBitmap AuxACMaskBmp;

    // The caption font as last given the Qt way, which keeps its unit.
    QFont FFontCaptionGiven;
    TMeterFaceComposer FComposer;
    // Faces at the screen's pixel ratio, when that is above 1: a composer
    // of their own, so that each ratio keeps its layer that does not move.
    std::unique_ptr<TScaledFaceComposer> FScaledComposer;
    double FScreenRatio = 1; // of the device last painted on
    double FFaceRatio = 1;   // of FFace
    TBitmap FFace;          // the face last composed
    bool FFaceFresh = false; // composed by a setter, not yet shown
    bool FInPaintEvent = false;
    QRect FGeometryComputedFor; // position and size the geometry was computed with
    TClickTracker FClick; // a left press that a release over the gauge turns into a click
    // Values, bounds, thresholds and limit flags and the rules that set them.
    std::unique_ptr<TMeterModel> FModel;
};

} // namespace Kepler
