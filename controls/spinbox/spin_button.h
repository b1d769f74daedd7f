#pragma once
#include "control.h"
#include "notify_event.h"

#include <QPointer>
#include <QWidget>

class TBitmap;
class TTimerSpeedButton;

// A pair of small up and down buttons that repeat while held. Pressing a
// half hands the keyboard focus to FocusControl (or to the pair itself when
// it is a tab stop). Usable on its own next to any control.
class TSpinButton : public QWidget, public TControl {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 15;

    explicit TSpinButton(QWidget* parent = nullptr);
    ~TSpinButton() override;

    // Lays out the halves first, which may widen the width to MinimumWidth.
    void SetBounds(int left, int top, int width, int height);
    void Loaded() override;

    const TBitmap& UpGlyph() const;
    // Copies the bitmap into the half; nullptr restores the built-in arrow.
    void SetUpGlyph(const TBitmap* v);
    const TBitmap& DownGlyph() const;
    void SetDownGlyph(const TBitmap* v);
    int UpNumGlyphs() const;
    void SetUpNumGlyphs(int v);
    int DownNumGlyphs() const;
    void SetDownNumGlyphs(int v);

    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* v) { FFocusControl = v; }

    TTimerSpeedButton* UpButton() const { return FUpButton; }
    TTimerSpeedButton* DownButton() const { return FDownButton; }
    TTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    void MoveFocusMark(TTimerSpeedButton* half);

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void resizeEvent(QResizeEvent* e) override;
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
