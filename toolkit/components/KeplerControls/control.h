#pragma once
#include "KeplerControls/colors.h"
#include "KeplerControls/component.h"
#include "KeplerControls/enum_set.h"
#include "KeplerControls/font.h"
#include "KeplerControls/notify_event.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace Kepler {

class TControlLink;


// The standard members' enumerations that are Qt properties live in a
// namespace Qt's meta-object system knows, so that Designer, style sheets
// and setProperty see their member names; the using-declarations make the
// names members of Kepler too.
namespace StandardTypes {
Q_NAMESPACE

// Where a control keeps itself inside its parent when the parent resizes:
// along one edge at its own height or width, filling what the edge-aligned
// controls leave, or where it was put (alNone, alCustom).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

// dmAutomatic: a left press starts dragging the control at once.
enum TDragMode { dmManual, dmAutomatic };
Q_ENUM_NS(TDragMode)
enum TDragKind { dkDrag, dkDock };
Q_ENUM_NS(TDragKind)

// Anchors as Qt flags, for the Qt property Anchors: one bit per edge.
enum TAnchorFlag { afLeft = 1, afTop = 2, afRight = 4, afBottom = 8 };
Q_DECLARE_FLAGS(TAnchorFlags, TAnchorFlag)
Q_FLAG_NS(TAnchorFlags)
} // namespace StandardTypes
Q_DECLARE_OPERATORS_FOR_FLAGS(StandardTypes::TAnchorFlags)

using StandardTypes::TAlign;
using StandardTypes::alNone;
using StandardTypes::alTop;
using StandardTypes::alBottom;
using StandardTypes::alLeft;
using StandardTypes::alRight;
using StandardTypes::alClient;
using StandardTypes::alCustom;
using StandardTypes::TDragMode;
using StandardTypes::dmManual;
using StandardTypes::dmAutomatic;
using StandardTypes::TDragKind;
using StandardTypes::dkDrag;
using StandardTypes::dkDock;
using StandardTypes::TAnchorFlags;

// The parent edges whose distance a control keeps when the parent resizes.
// Both edges of a direction stretch the control; neither keeps its centre
// at the same proportion of the parent.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TEnumSet<TAnchorKind>;

// The parts a custom visual style may draw.
enum TStyleElement { seFont, seClient, seBorder };
using TStyleElements = TEnumSet<TStyleElement>;

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// A cursor by its number; the negative ones are the standard cursors.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// Drag and drop between the program's controls. Source is the dragged
// control, Target the control it was dropped on (nullptr when none took it).
// A control accepts a drop only when its OnDragOver sets Accept (it comes in
// True); one without OnDragOver accepts nothing.
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(QObject* Sender, QObject* Target, int X, int Y)>;
using TStartDragEvent = std::function<void(QObject* Sender)>;

// A drag or dock event as the controls' Qt signals of the same names carry
// it: Other is the dragged control for DragOver and DragDrop, the target
// (or nullptr) for EndDrag and EndDock.
struct TDragSignal {
    enum TKind { DragDrop, DragOver, EndDrag, StartDrag, EndDock, StartDock };
    TKind Kind;
    QObject* Other;
    int X, Y;
    TDragState State;
    bool* Accept; // DragOver only
};

// Focus that comes and goes with the whole window or a popup menu is not an
// entry into or exit from a control.
inline bool WindowLevelFocusReason(Qt::FocusReason r)
{
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

// Size limits; 0 means no limit. Changing one applies it at once.
class TSizeConstraints {
public:
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int v) { Set(FMinWidth, v); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int v) { Set(FMinHeight, v); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int v) { Set(FMaxWidth, v); }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int v) { Set(FMaxHeight, v); }
    void Assign(const TSizeConstraints& v);

    std::function<void()> OnChange;

private:
    void Set(int& field, int v);

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};

// The standard members every control of this toolkit has beside its own:
// alignment and anchoring in its parent, size limits, colour and font taken
// from the parent, tooltip hints, a context menu of the program's choice,
// drag and drop between controls, tab order. The control passes itself in;
// the members act through Qt on that widget.
class TControl : public TComponent {
public:
    explicit TControl(QWidget* self, TColor defaultColor = clBtnFace);
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors v);
    // The same edges as Qt flags, for the Qt property Anchors.
    TAnchorFlags AnchorFlags() const;
    void SetAnchorFlags(TAnchorFlags v);
    TSizeConstraints& Constraints() { return FConstraints; }
    const TSizeConstraints& Constraints() const { return FConstraints; }
    void SetConstraints(const TSizeConstraints& v) { FConstraints.Assign(v); }
    // The control fits its size to its content (what that is, each control
    // says in AdjustAutoSize) when it is set and when the font changes; the
    // size a window description gives stands while the control loads.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);

    TColor Color() const { return FColor; }
    // Clears ParentColor.
    void SetColor(TColor v);
    // The colour as Qt sees it, for the Qt property Color: a system colour
    // reads as the colour it resolves to now; a written QColor is stored as
    // a plain RGB colour (alpha dropped), an invalid one is ignored.
    QColor ColorQColor() const;
    void SetColorQColor(const QColor& v);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    // Follows the parent's font while set; assigning a font clears it.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);
    // Qt draws no 3-D borders of its own choosing: both are stored and read
    // back and change nothing.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v) { FCtl3D = v; }
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool v) { FParentCtl3D = v; }
    // Only a custom visual style looks at these; Qt has none of that kind,
    // so they are stored and read back and change nothing.
    TStyleElements StyleElements() const { return FStyleElements; }
    void SetStyleElements(TStyleElements v) { FStyleElements = v; }

    // The tooltip: the hint text up to the first "|" (the rest is a longer
    // hint for a status line), shown only while ShowHint is set.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& v);
    // Clears ParentShowHint.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    // Takes ShowHint from the parent; a parent that is not one of these
    // controls shows hints, as Qt shows every tooltip.
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v);

    // Shown on a right click instead of the control's own menu; not owned,
    // forgotten when it is destroyed.
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* v);

    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor v) { FDragCursor = v; }
    // Docking has no counterpart for plain Qt widgets: a dock drag moves
    // like a drag and reports through OnStartDock and OnEndDock.
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind v) { FDragKind = v; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode v) { FDragMode = v; }
    // Starts dragging the control: at once, or once the pointer has moved
    // Threshold pixels (negative: the platform's drag distance).
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends a drag, dropping on the control under the pointer or cancelling.
    void EndDrag(bool Drop);
    bool Dragging() const;

    bool Enabled() const;
    void SetEnabled(bool v);
    bool Visible() const;
    void SetVisible(bool v);
    bool TabStop() const;
    void SetTabStop(bool v);
    // Position among the parent's controls in the Tab order, from 0.
    int TabOrder() const;
    void SetTabOrder(int v);

    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDock;
    TStartDragEvent OnStartDock;

    // The widget behind a control, and the control behind a widget (or null).
    QWidget* ControlWidget() const { return FWidget; }
    static TControl* FromWidget(QWidget* w);

protected:
    // Called whenever the control should take the font its widget now has:
    // the parent's while ParentFont is set (a style sheet's font included),
    // or one given through QWidget::setFont. Qt widgets use it by
    // themselves; controls that draw with a font of their own copy it here.
    virtual void WidgetFontChanged() {}
    // A control that keeps a font of its own reports an assignment here.
    void FontAssigned();
    // The font the widget has now, as a font description.
    TFont WidgetFont() const;
    // Fits the size to the content while AutoSize is set.
    virtual void AdjustAutoSize() {}
    // Emits the Qt signal of a drag or dock event, after its handler; true
    // when a receiver is connected to it. A receiver of DragOver decides
    // about a drop as a handler does.
    virtual bool RaiseDragSignal(const TDragSignal&) { return false; }

private:
    friend class TControlLink;

    void ApplyHint();
    void TakeParentShowHint();
    void TakeParentColor();
    void ApplyColor();
    void ApplyConstraints();
    void TakeParentFont();
    void TakeOwnFont();
    void RecordPlacement();
    // Records the control's present geometry as placed by hand in a parent
    // of the given size.
    void RecordPlacementIn(const QSize& parentSize);
    void ParentResized(const QSize& oldSize);
    void PlaceAt(const QRect& r);
    // Places the aligned controls of a parent, edge by edge.
    static void AlignControls(QWidget* parent);

    QWidget* FWidget;
    std::unique_ptr<TControlLink> FLink;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TSizeConstraints FConstraints;
    bool FAutoSize = false;
    TColor FColor;
    bool FParentColor = false;
    bool FParentFont = true;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    TStyleElements FStyleElements{seFont, seClient, seBorder};
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    QPointer<QObject> FPopupMenu; // a QMenu
    TCursor FDragCursor = crDrag;
    TDragKind FDragKind = dkDrag;
    TDragMode FDragMode = dmManual;
    // Where the control stood, and how large its parent was, when it was
    // last placed by hand: what anchoring measures from, for every later
    // parent size, so that no sequence of sizes drifts or loses a size that
    // was cut at 0.
    QRect FPlacedAt;
    QSize FPlacedIn;
    // The geometry last recorded or given by anchoring. Qt reports the moves
    // of a hidden control only when it is shown; a geometry that still
    // equals this one was not placed by hand.
    QRect FAnchoredAt;
    // Set while alignment or anchoring moves the control, so that this
    // is not taken for a placement by hand.
    bool FBeingPlaced = false;
    bool FTakingParentFont = false;
};

} // namespace Kepler
