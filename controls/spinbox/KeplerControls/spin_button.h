#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/control.h"
#include "KeplerControls/notify_event.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace Kepler {

class TBitmap;
class TTimerSpeedButton;

// A pair of small up and down buttons that repeat while held. Pressing a
// half hands the keyboard focus to FocusControl (or to the pair itself when
// it is a tab stop). Usable on its own next to any control.
class KEPLERCONTROLS_EXPORT TSpinButton : public QWidget, public TControl {
    Q_OBJECT
    // The glyphs as pixmaps, for Designer and style sheets; a null pixmap
    // restores the built-in arrow.
    Q_PROPERTY(QPixmap UpGlyph READ UpGlyphPixmap WRITE SetUpGlyphPixmap)
    Q_PROPERTY(QPixmap DownGlyph READ DownGlyphPixmap WRITE SetDownGlyphPixmap)
    Q_PROPERTY(int UpNumGlyphs READ UpNumGlyphs WRITE SetUpNumGlyphs)
    Q_PROPERTY(int DownNumGlyphs READ DownNumGlyphs WRITE SetDownNumGlyphs)
    Q_PROPERTY(QWidget* FocusControl READ FocusControl WRITE SetFocusControl)
    // The standard members that mean something in Qt. Enabled and Visible
    // are the control's own flags, unlike QWidget's enabled and visible,
    // which also depend on the parent; TabOrder is set in code (Designer
    // has its own tab order editor).
    Q_PROPERTY(Kepler::StandardTypes::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Kepler::StandardTypes::TAnchorFlags Anchors READ AnchorFlags WRITE SetAnchorFlags)
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(Kepler::StandardTypes::TDragKind DragKind READ DragKind WRITE SetDragKind)
    Q_PROPERTY(Kepler::StandardTypes::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder DESIGNABLE false STORED false)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    static constexpr int MinimumWidth = 15; // the least width in pixels; a narrower pair is widened

    // Creates the pair, 20 by 25 pixels, with the built-in arrow glyphs.
    explicit TSpinButton(QWidget* parent = nullptr);
    ~TSpinButton() override;

    // Lays out the halves first, which may widen the width to MinimumWidth.
    void SetBounds(int left, int top, int width, int height);
    void Loaded() override;

    // The up half's glyph.
    const TBitmap& UpGlyph() const;
    // Copies the bitmap into the half; nullptr restores the built-in arrow.
    void SetUpGlyph(const TBitmap* v);
    // The down half's glyph.
    const TBitmap& DownGlyph() const;
    // Copies the bitmap into the down half; nullptr restores the built-in arrow.
    void SetDownGlyph(const TBitmap* v);
    // The up half's glyph as a pixmap (the UpGlyph property).
    QPixmap UpGlyphPixmap() const;
    void SetUpGlyphPixmap(const QPixmap& v);
    // The down half's glyph as a pixmap (the DownGlyph property).
    QPixmap DownGlyphPixmap() const;
    void SetDownGlyphPixmap(const QPixmap& v);
    // Number of images, 1 to 4, side by side in the up glyph, one per button state (1).
    int UpNumGlyphs() const;
    void SetUpNumGlyphs(int v);
    // Number of images, 1 to 4, side by side in the down glyph (1).
    int DownNumGlyphs() const;
    void SetDownNumGlyphs(int v);

    // Control that receives the keyboard focus when a half is pressed; not owned.
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* v) { FFocusControl = v; }

    // The upper half.
    TTimerSpeedButton* UpButton() const { return FUpButton; }
    // The lower half.
    TTimerSpeedButton* DownButton() const { return FDownButton; }
    // The half that shows the focus mark while the pair has the focus.
    TTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    // Moves the focus mark to the given half while the pair is a tab stop that can take the focus.
    void MoveFocusMark(TTimerSpeedButton* half);

    // Ends a drag (TControl's EndDrag), kept beside the signal of that name.
    using TControl::EndDrag;
    // Its size when built on its own; in a spin box it is narrower.
    QSize sizeHint() const override;
    // 15 by 17 pixels.
    QSize minimumSizeHint() const override;

    // Each event calls its handler and then emits its signal.

    // Called when the up half clicks, on release and on every repeat while held.
    TNotifyEvent OnUpClick;
    // Called when the down half clicks, on release and on every repeat while held.
    TNotifyEvent OnDownClick;
    // Called when the pair receives the keyboard focus.
    TNotifyEvent OnEnter;
    // Called when the pair loses the keyboard focus.
    TNotifyEvent OnExit;

signals:
    // After OnUpClick.
    void UpClick();
    // After OnDownClick.
    void DownClick();
    // After OnEnter.
    void Enter();
    // After OnExit.
    void Exit();
    // The drag and dock events; a DragOver receiver may set Accept as a
    // handler does.

    // After OnDragDrop: Source was dropped on the pair at (X, Y).
    void DragDrop(QObject* Source, int X, int Y);
    // After OnDragOver: Source is dragged over the pair; a receiver may set Accept.
    void DragOver(QObject* Source, int X, int Y, Kepler::TDragState State, bool& Accept);
    // After OnEndDrag: a drag of the pair ended on Target (or nullptr).
    void EndDrag(QObject* Target, int X, int Y);
    // After OnStartDrag: a drag of the pair began.
    void StartDrag();
    // After OnEndDock.
    void EndDock(QObject* Target, int X, int Y);
    // After OnStartDock.
    void StartDock();

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool RaiseDragSignal(const TDragSignal& d) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TTimerSpeedButton* CreateHalf(bool isDown);
    void HalfClicked(QObject* Sender);
    void HalfPressed(QObject* Sender, TMouseButton button);
    // Places the halves for a width and height; returns the width used.
    int LayOutHalves(int width, int height);
    void ShowFocusMark(bool visible);

    TTimerSpeedButton* FUpButton = nullptr;
    TTimerSpeedButton* FDownButton = nullptr;
    TTimerSpeedButton* FFocusedButton = nullptr;
    QPointer<QWidget> FFocusControl;
};

} // namespace Kepler
