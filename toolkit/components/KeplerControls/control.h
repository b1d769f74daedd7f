#pragma once
#include "KeplerControls/keplercontrols_export.h"
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
Q_NAMESPACE_EXPORT(KEPLERCONTROLS_EXPORT)

// The enumerations have int as their underlying type, so that a number
// that is no member, as Qt's property system may pass one in, is still a
// value of the type and can be refused by the setter.

// Where a control keeps itself inside its parent when the parent resizes:
// along one edge at its own height or width, filling what the edge-aligned
// controls leave, or where it was put (alNone, alCustom).
enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

// dmAutomatic: a left press starts dragging the control at once.
enum TDragMode : int { dmManual, dmAutomatic };
Q_ENUM_NS(TDragMode)
enum TDragKind : int { dkDrag, dkDock }; // a plain drag or a dock drag
Q_ENUM_NS(TDragKind)

// Anchors as Qt flags, for the Qt property Anchors: one bit per edge.
enum TAnchorFlag : int { afLeft = 1, afTop = 2, afRight = 4, afBottom = 8 };
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
using TAnchors = TEnumSet<TAnchorKind>; // a set of anchor edges

// The parts a custom visual style may draw.
enum TStyleElement { seFont, seClient, seBorder };
using TStyleElements = TEnumSet<TStyleElement>; // a set of style elements

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove }; // where a drag stands over a control

// A cursor by its number; the negative ones are the standard cursors.
using TCursor = int;
inline constexpr TCursor crDefault = 0; // the control's own cursor
inline constexpr TCursor crArrow = -2; // arrow
inline constexpr TCursor crCross = -3; // cross hair
inline constexpr TCursor crIBeam = -4; // text beam
inline constexpr TCursor crSizeNESW = -6; // resize north-east to south-west
inline constexpr TCursor crSizeNS = -7; // resize north to south
inline constexpr TCursor crSizeNWSE = -8; // resize north-west to south-east
inline constexpr TCursor crSizeWE = -9; // resize west to east
inline constexpr TCursor crUpArrow = -10; // upward arrow
inline constexpr TCursor crHourGlass = -11; // busy
inline constexpr TCursor crDrag = -12; // dragging
inline constexpr TCursor crNoDrop = -13; // no drop here
inline constexpr TCursor crHSplit = -14; // horizontal splitter
inline constexpr TCursor crVSplit = -15; // vertical splitter
inline constexpr TCursor crMultiDrag = -16; // dragging several
inline constexpr TCursor crNo = -18; // not allowed
inline constexpr TCursor crAppStart = -19; // starting, still usable
inline constexpr TCursor crHelp = -20; // help
inline constexpr TCursor crHandPoint = -21; // pointing hand
inline constexpr TCursor crSizeAll = -22; // move

// Drag and drop between the program's controls. Source is the dragged
// control, Target the control it was dropped on (nullptr when none took it).
// A control accepts a drop only when its OnDragOver sets Accept (it comes in
// True); one without OnDragOver accepts nothing.
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>; // a control was dropped on Sender at (X, Y)
using TEndDragEvent = std::function<void(QObject* Sender, QObject* Target, int X, int Y)>; // a drag of Sender ended on Target (nullptr when none took it)
using TStartDragEvent = std::function<void(QObject* Sender)>; // a drag of Sender began

// A drag or dock event as the controls' Qt signals of the same names carry
// it: Other is the dragged control for DragOver and DragDrop, the target
// (or nullptr) for EndDrag and EndDock.
struct TDragSignal {
    // Which event the signal reports.
    enum TKind { DragDrop, DragOver, EndDrag, StartDrag, EndDock, StartDock };
    // Which event the signal reports.
    TKind Kind;
    // The dragged control (DragOver, DragDrop) or the target, nullptr for none (EndDrag, EndDock).
    QObject* Other;
    int X; // pointer position in the receiving control's coordinates
    int Y; // pointer position in the receiving control's coordinates
    // DragOver only: whether the drag enters, moves over or leaves the control.
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
class KEPLERCONTROLS_EXPORT TSizeConstraints {
public:
    // Least width in pixels; 0 for none.
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int v) { Set(FMinWidth, v); }
    // Least height in pixels; 0 for none.
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int v) { Set(FMinHeight, v); }
    // Greatest width in pixels; 0 for none.
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int v) { Set(FMaxWidth, v); }
    // Greatest height in pixels; 0 for none.
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int v) { Set(FMaxHeight, v); }
    // Copies the four limits and applies them.
    void Assign(const TSizeConstraints& v);

    // Called after a limit changed; the control applies the limits through it.
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
class KEPLERCONTROLS_EXPORT TControl : public TComponent {
public:
    // Ties the standard members to the widget `self` (the control itself), whose
    // colour starts as defaultColor.
    explicit TControl(QWidget* self, TColor defaultColor = clBtnFace);
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // Where the control keeps itself in its parent (alNone).
    TAlign Align() const { return FAlign; }
    // A number that is no member of TAlign is refused, as by the setters of
    // every enumeration property.
    void SetAlign(TAlign v);
    // The parent's edges whose distance the control keeps (akLeft, akTop).
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors v);
    // The same edges as Qt flags, for the Qt property Anchors; flags with
    // bits of no edge are refused.
    TAnchorFlags AnchorFlags() const;
    void SetAnchorFlags(TAnchorFlags v);
    // Position and size in the parent. Qt tells no one of a parent resized
    // while it is hidden until it is shown; these readers first apply the
    // anchors to such a resize, as does any event of the control or of its
    // hidden parent, so that anchored controls follow a hidden parent at once.
    int Left() const;
    int Top() const; // see Left()
    int Width() const; // see Left()
    int Height() const; // see Left()
    // Applies alignment and anchors to a parent whose size changed without
    // a resize event (a hidden parent); nothing when it did not.
    void FollowParent();

    // The control's size limits.
    TSizeConstraints& Constraints() { return FConstraints; }
    const TSizeConstraints& Constraints() const { return FConstraints; }
    void SetConstraints(const TSizeConstraints& v) { FConstraints.Assign(v); }
    // The control fits its size to its content (what that is, each control
    // says in AdjustAutoSize) when it is set and when the font changes; the
    // size a window description gives stands while the control loads.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);

    // Background colour of the control.
    TColor Color() const { return FColor; }
    // Clears ParentColor.
    void SetColor(TColor v);
    // The colour as Qt sees it, for the Qt property Color: a system colour
    // reads as the colour it resolves to now; a written QColor is stored as
    // a plain RGB colour (alpha dropped), an invalid one is ignored.
    QColor ColorQColor() const;
    void SetColorQColor(const QColor& v);
    // Whether the control takes its parent's colour (False).
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    // Follows the parent's font while set; assigning a font clears it.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);
    // Qt draws no 3-D borders of its own choosing: both are stored and read
    // back and change nothing.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v) { FCtl3D = v; }
    // Stored and read back only, like Ctl3D().
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
    // Whether the hint shows as a tooltip; setting it clears ParentShowHint.
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

    // Cursor shown while the control is dragged over one that accepts it (crDrag).
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor v) { FDragCursor = v; }
    // Docking has no counterpart for plain Qt widgets: a dock drag moves
    // like a drag and reports through OnStartDock and OnEndDock.
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind v);
    // Whether a left press starts dragging at once (dmAutomatic) or the program
    // calls BeginDrag() (dmManual, the default).
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode v);
    // Starts dragging the control: at once, or once the pointer has moved
    // Threshold pixels (negative: the platform's drag distance).
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends a drag, dropping on the control under the pointer or cancelling.
    void EndDrag(bool Drop);
    // Whether the control is being dragged.
    bool Dragging() const;

    // Whether the control takes input (the widget's isEnabled()).
    bool Enabled() const;
    void SetEnabled(bool v);
    // Whether the control is shown (the widget's visibility).
    bool Visible() const;
    void SetVisible(bool v);
    // Whether Tab stops at the control.
    bool TabStop() const;
    void SetTabStop(bool v);
    // Position among the parent's controls in the Tab order, from 0.
    int TabOrder() const;
    void SetTabOrder(int v);

    // Called when a control is dropped on this one.
    TDragDropEvent OnDragDrop;
    // Called while a control is dragged over this one; sets Accept to take a drop.
    TDragOverEvent OnDragOver;
    // Called when a drag of this control ends, dropped or cancelled.
    TEndDragEvent OnEndDrag;
    // Called when a drag of this control begins.
    TStartDragEvent OnStartDrag;
    // Called when a dock drag of this control (DragKind dkDock) ends.
    TEndDragEvent OnEndDock;
    // Called when a dock drag of this control begins.
    TStartDragEvent OnStartDock;

    // The widget behind a control, and the control behind a widget (or null).
    QWidget* ControlWidget() const { return FWidget; }
    // The control behind a widget, or nullptr when the widget is not one of these controls.
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
    // The parent's size that alignment and anchoring last accounted for.
    QSize FParentSizeSeen;
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
