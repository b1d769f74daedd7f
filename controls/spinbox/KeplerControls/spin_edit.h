#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/control.h"
#include "KeplerControls/font.h"
#include "KeplerControls/mouse_input.h"
#include "KeplerControls/notify_event.h"

#include <QClipboard>
#include <QLineEdit>
#include <cstdint>
#include <memory>

class QMenu;

namespace Kepler {

class TSpinButton;
class TSpinValue;
class TTimerSpeedButton;
struct TRect;

// A one-line edit that holds a 32-bit integer, with a pair of auto-repeating
// up and down buttons inside its right edge. The value lives in the text:
// reading parses it, writing replaces it; the rules for both are the value
// model's, which the widget asks.
//
// Each On... event has a signal of the same name without "On" (OnChange and
// Change()); the event's handler runs first, then the signal's receivers,
// which see and may change the same key variables.
class KEPLERCONTROLS_EXPORT TSpinEdit : public QLineEdit, public TControl {
    Q_OBJECT
    // The limits come before Value, so that a form applies them first.
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    // QLineEdit's own length property names the same limit, so that there is
    // one limit whichever name a caller or a form uses.
    Q_PROPERTY(int maxLength READ MaxLength WRITE SetMaxLength DESIGNABLE false STORED false)
    Q_PROPERTY(int Value READ Value WRITE SetValue NOTIFY ValueChanged USER true)
    // The background as a QColor (a system colour reads as what it resolves
    // to), and the font, which is the widget's: Designer edits it as "font".
    Q_PROPERTY(QColor Color READ ColorQColor WRITE SetColorQColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont DESIGNABLE false STORED false)
    // The standard members that mean something in Qt. Enabled and Visible
    // are the control's own flags, unlike QWidget's enabled and visible,
    // which also depend on the parent; TabOrder is set in code (Designer
    // has its own tab order editor).
    Q_PROPERTY(Kepler::StandardTypes::TAnchorFlags Anchors READ AnchorFlags WRITE SetAnchorFlags)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(Kepler::StandardTypes::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder DESIGNABLE false STORED false)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    // Creates a spin box showing "0", without limits, with its button pair.
    explicit TSpinEdit(QWidget* parent = nullptr);
    ~TSpinEdit() override;

    // Text that is not a number reads as MinValue; no limit applies on reading.
    std::int32_t Value() const;

    // The limits only take effect at the next write, step or focus loss.
    // Equal limits (0 and 0 by default) mean no limits at all.
    std::int32_t MinValue() const;
    // Upper limit (0).
    std::int32_t MaxValue() const;
    // Amount a step adds or subtracts (1).
    std::int32_t Increment() const;
    void SetIncrement(std::int32_t v);
    // False forbids typing, cutting and pasting, but not stepping.
    bool EditorEnabled() const;
    void SetEditorEnabled(bool v);
    // A read-only spin box takes no typing and sounds the alert instead of stepping.
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool v) { setReadOnly(v); }
    // Whether the whole text is selected when the focus comes in other than by a
    // left press on the text (True).
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v) { FAutoSelect = v; }
    // Limits what the user types, pastes or composes; 0 (or less) means no
    // limit. Text written through Value or SetText is never cut.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    // The text; Value() reads it as a number.
    QString Text() const { return text(); }
    void SetText(const QString& v) { setText(v); }
    // Applies a font description; Qt's font() reads the font in use.
    void SetFont(const TFont& f);

    // Ends a drag (TControl's EndDrag), kept beside the signal of that name.
    using TControl::EndDrag;

public slots:
    // Slots, so that a connection by name (Designer's signal editor, or
    // SIGNAL/SLOT) works from any signal carrying an int, such as
    // QSlider::valueChanged. Spelled int, as those signals are: the same
    // type as std::int32_t, under the name the meta object matches.

    // Writes the clamped value; the text is replaced only when it differs.
    void SetValue(int v);
    // Text that is not a number reads as the new minimum from now on.
    void SetMinValue(int v);
    // Sets the upper limit; it takes effect at the next write, step or focus loss.
    void SetMaxValue(int v);

public:
    // Places the control; a height below MinimumHeight() is raised to it.
    void SetBounds(int left, int top, int width, int height);

    // A layout gives the spin box the height its font needs and room for a
    // few digits beside the button pair.
    QSize sizeHint() const override;
    // The height the font needs, and room for one digit beside the buttons.
    QSize minimumSizeHint() const override;

    // The pair of up and down buttons, owned by the spin box.
    TSpinButton* Button() const { return FButton; }
    // v brought between the limits (unchanged when the limits are equal).
    std::int32_t ClampValue(std::int32_t v) const;
    // The least height that shows a line of text in the font.
    int MinimumHeight() const;
    // The rectangle the text is laid out in, in client coordinates: left of
    // the button pair, or right of it when the layout runs right to left.
    TRect TextRect() const;

    // Whether a typed character may enter the text: digits, signs, the locale's
    // decimal separator and control keys; none that edits while EditorEnabled is False.
    virtual bool AcceptsKeyChar(char16_t key) const;
    // Adds Increment() to the value, clamped; what the up button and the Up key do.
    virtual void StepUp(QObject* Sender = nullptr);
    // Subtracts Increment() from the value, clamped; what the down button and the
    // Down key do.
    virtual void StepDown(QObject* Sender = nullptr);

    // Once after every change of the text, never for an equal write.
    TNotifyEvent OnChange;
    // Called when the spin box receives the keyboard focus.
    TNotifyEvent OnEnter;
    // Called when the spin box loses the keyboard focus, before a number outside
    // the limits is brought back between them.
    TNotifyEvent OnExit;
    // A left press and release over the edit; a double click.
    TNotifyEvent OnClick;
    // Called on a double click on the edit.
    TNotifyEvent OnDblClick;
    // Mouse positions are in client coordinates, inside the border, like
    // TextRect().
    TMouseEvent OnMouseDown;
    // Called when a mouse button is released after a press on the edit.
    TMouseEvent OnMouseUp;
    // Called when the pointer moves over the edit.
    TMouseMoveEvent OnMouseMove;
    // Up and Down have stepped already when OnKeyDown runs; a handler that
    // zeroes a key keeps it from the edit, character included.
    TKeyEvent OnKeyDown;
    // Only characters the filter accepts arrive; a zeroed one is dropped.
    TKeyPressEvent OnKeyPress;
    // Called when a key is released; zeroing it keeps it from the edit.
    TKeyEvent OnKeyUp;

signals:
    // After OnChange: the text changed.
    void Change();
    // The number read from the text differs from the one last reported.
    void ValueChanged(int Value);
    // After OnEnter.
    void Enter();
    // After OnExit.
    void Exit();
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
    // After OnKeyDown; a receiver may zero Key.
    void KeyDown(int& Key, TShiftState Shift);
    // After OnKeyPress; a receiver may replace or zero Key.
    void KeyPress(char16_t& Key);
    // After OnKeyUp; a receiver may zero Key.
    void KeyUp(int& Key, TShiftState Shift);
    // The drag and dock events; a DragOver receiver may set Accept as a
    // handler does.

    // After OnDragDrop: Source was dropped on the spin box at (X, Y).
    void DragDrop(QObject* Source, int X, int Y);
    // After OnDragOver: Source is dragged over the spin box; a receiver may set Accept.
    void DragOver(QObject* Source, int X, int Y, Kepler::TDragState State, bool& Accept);
    // After OnEndDrag: a drag of the spin box ended on Target (or nullptr).
    void EndDrag(QObject* Target, int X, int Y);
    // After OnStartDrag: a drag of the spin box began.
    void StartDrag();
    // After OnEndDock.
    void EndDock(QObject* Target, int X, int Y);
    // After OnStartDock.
    void StartDock();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool RaiseDragSignal(const TDragSignal& d) override;
    // AutoSize: the height the font needs.
    void AdjustAutoSize() override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // The spin box's MaxLength is the one limit; QLineEdit's would cut
    // written values.
    using QLineEdit::maxLength;
    using QLineEdit::setMaxLength;

    bool EditingAllowed() const;
    // On leaving: a number outside the limits is written back between them.
    void BringValueBack();
    // The part of s that fits MaxLength once `removed` characters of the
    // text have given way to it.
    QString FitMaxLength(const QString& s, qsizetype removed) const;
    // Pastes the clipboard's text for the given mode, cut to MaxLength.
    void PasteClipboard(QClipboard::Mode mode);
    QMenu* CreateEditMenu();
    void NotifyChange();
    void NotifyValue();
    bool KeyPressWatched() const;
    void PlaceButton();
    void UpdateTextRect();
    // A pointer message in client coordinates, inside the border.
    TMouseMessage ClientMouseMessage(const QMouseEvent& e) const;
    void PassKeyThroughHandler(QKeyEvent* e);
    void TypeKey(QKeyEvent* e);

    // Limits, step and the text rules (MinValue, MaxValue, Increment,
    // EditorEnabled).
    std::unique_ptr<TSpinValue> FValue;
    TSpinButton* FButton = nullptr;
    bool FAutoSelect = true;
    int FMaxLength = 0;
    // Set while a left press on the text brings the focus in.
    bool FLeftPressOnText = false;
    // Set while SetValue replaces the text; it notifies on its own afterwards.
    bool FWritingValue = false;
    // A left press that a release over the edit turns into a click.
    TClickTracker FClick;
    // The number last reported by ValueChanged.
    std::int32_t FReportedValue = 0;
};

} // namespace Kepler
