#include "KeplerControls/spin_button.h"
#include "qt_bitmap.h"

#include "event_signals.h"
#include "show_exception.h"
#include "spin_glyphs.h"
#include "spin_half_accessible.h"
#include "timer_speed_button.h"
#include "widget_limit.h"

#include <QMetaMethod>
#include <QKeyEvent>
#include <QResizeEvent>

namespace Kepler {

namespace {

void LoadBuiltInGlyph(TTimerSpeedButton* half, const char* name)
{
    half->SetGlyph(LoadBitmapResource(QString::fromLatin1(name)));
    half->SetNumGlyphs(1);
}

QPixmap HalfGlyphPixmap(const TTimerSpeedButton& half)
{
    return QPixmap::fromImage(QtImage(half.Glyph()));
}

// A null pixmap brings the built-in glyph back.
void SetHalfGlyphPixmap(TTimerSpeedButton* half, const char* builtIn, const QPixmap& v)
{
    if (v.isNull())
        LoadBuiltInGlyph(half, builtIn);
    else
        half->SetGlyph(v.toImage());
}

bool CanFocus(const QWidget* w)
{
    return w->isEnabled() && w->isVisible();
}

} // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      TControl(this)
{
    // Focus comes only from a left press on a half (HalfPressed) or from
    // Tab while a tab stop, never from Qt's click-to-focus.
    setFocusPolicy(Qt::NoFocus);
    InstallSpinHalfAccessibility();
    FUpButton = CreateHalf(false);
    FDownButton = CreateHalf(true);
    LoadBuiltInGlyph(FUpButton, "SpinUp");
    LoadBuiltInGlyph(FDownButton, "SpinDown");
    SetTabStop(false);
    SetBounds(0, 0, 20, 25);
    FFocusedButton = FUpButton;
}

TSpinButton::~TSpinButton() = default;

TTimerSpeedButton* TSpinButton::CreateHalf(bool isDown)
{
    auto* half = new TTimerSpeedButton(this);
    half->OnClick = [this](QObject* sender) { HalfClicked(sender); };
    half->OnMouseDown = [this](QObject* sender, TMouseButton button, TShiftState, int, int) {
        HalfPressed(sender, button);
    };
    half->SetTimeBtnState({tbAllowTimer});
    half->SetDownButton(isDown);
    half->setVisible(true);
    return half;
}

void TSpinButton::HalfClicked(QObject* Sender)
{
    if (Sender == FUpButton)
        RaiseNotify(OnUpClick, this, &TSpinButton::UpClick);
    else
        RaiseNotify(OnDownClick, this, &TSpinButton::DownClick);
}

void TSpinButton::HalfPressed(QObject* Sender, TMouseButton button)
{
    if (button != mbLeft)
        return;
    MoveFocusMark(static_cast<TTimerSpeedButton*>(Sender));
    QWidget* target = FFocusControl;
    if (target && (target->focusPolicy() & Qt::TabFocus) && CanFocus(target) && !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
    else if (TabStop() && !hasFocus() && CanFocus(this))
        setFocus(Qt::OtherFocusReason);
}

void TSpinButton::MoveFocusMark(TTimerSpeedButton* half)
{
    if (!TabStop() || !CanFocus(this) || half == FFocusedButton)
        return;
    ShowFocusMark(false);
    FFocusedButton = half;
    if (hasFocus())
        ShowFocusMark(true);
}

void TSpinButton::ShowFocusMark(bool visible)
{
    TTimeBtnStates s = FFocusedButton->TimeBtnState();
    if (visible)
        s.Include(tbFocusRect);
    else
        s.Exclude(tbFocusRect);
    FFocusedButton->SetTimeBtnState(s); // repaints on a change
}

void TSpinButton::focusInEvent(QFocusEvent* e)
{
    ShowFocusMark(true);
    QWidget::focusInEvent(e);
    if (!WindowLevelFocusReason(e->reason()))
        RaiseNotify(OnEnter, this, &TSpinButton::Enter);
}

void TSpinButton::focusOutEvent(QFocusEvent* e)
{
    ShowFocusMark(false);
    QWidget::focusOutEvent(e);
    if (!WindowLevelFocusReason(e->reason()))
        RaiseNotify(OnExit, this, &TSpinButton::Exit);
}

void TSpinButton::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Space:
        FFocusedButton->Click();
        break;
    case Qt::Key_Up:
        MoveFocusMark(FUpButton);
        FUpButton->Click();
        break;
    case Qt::Key_Down:
        MoveFocusMark(FDownButton);
        FDownButton->Click();
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

int TSpinButton::LayOutHalves(int width, int height)
{
    if (!FUpButton || !FDownButton || Loading())
        return width;
    if (width < MinimumWidth)
        width = MinimumWidth;
    const int upHeight = height / 2;
    FUpButton->setGeometry(0, 0, width, upHeight);
    // The halves share one pixel row.
    FDownButton->setGeometry(0, upHeight - 1, width, height - upHeight + 1);
    return width;
}

QSize TSpinButton::sizeHint() const
{
    return {20, 25};
}

QSize TSpinButton::minimumSizeHint() const
{
    return {15, 17};
}

void TSpinButton::SetBounds(int left, int top, int width, int height)
{
    QRect r = WithinWidgetLimit(left, top, width, height);
    r.setWidth(LayOutHalves(r.width(), r.height()));
    setGeometry(r);
}

bool TSpinButton::event(QEvent* e)
{
    return GuardEvent(true, [&] { return QWidget::event(e); });
}

void TSpinButton::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int w = LayOutHalves(width(), height());
    if (w != width())
        setGeometry(x(), y(), w, height());
}

void TSpinButton::Loaded()
{
    TComponent::Loaded();
    const int w = LayOutHalves(width(), height());
    if (w != width())
        setGeometry(x(), y(), w, height());
}

const TBitmap& TSpinButton::UpGlyph() const
{
    return FUpButton->Glyph();
}

void TSpinButton::SetUpGlyph(const TBitmap* v)
{
    if (v)
        FUpButton->SetGlyph(*v);
    else
        LoadBuiltInGlyph(FUpButton, "SpinUp");
}

const TBitmap& TSpinButton::DownGlyph() const
{
    return FDownButton->Glyph();
}

void TSpinButton::SetDownGlyph(const TBitmap* v)
{
    if (v)
        FDownButton->SetGlyph(*v);
    else
        LoadBuiltInGlyph(FDownButton, "SpinDown");
}

QPixmap TSpinButton::UpGlyphPixmap() const
{
    return HalfGlyphPixmap(*FUpButton);
}

void TSpinButton::SetUpGlyphPixmap(const QPixmap& v)
{
    SetHalfGlyphPixmap(FUpButton, "SpinUp", v);
}

QPixmap TSpinButton::DownGlyphPixmap() const
{
    return HalfGlyphPixmap(*FDownButton);
}

void TSpinButton::SetDownGlyphPixmap(const QPixmap& v)
{
    SetHalfGlyphPixmap(FDownButton, "SpinDown", v);
}

int TSpinButton::UpNumGlyphs() const
{
    return FUpButton->NumGlyphs();
}

void TSpinButton::SetUpNumGlyphs(int v)
{
    FUpButton->SetNumGlyphs(v);
}

int TSpinButton::DownNumGlyphs() const
{
    return FDownButton->NumGlyphs();
}

void TSpinButton::SetDownNumGlyphs(int v)
{
    FDownButton->SetNumGlyphs(v);
}

bool TSpinButton::RaiseDragSignal(const TDragSignal& d)
{
    return EmitDragSignal(*this, d, [this](auto signal) { return isSignalConnected(QMetaMethod::fromSignal(signal)); });
}

} // namespace Kepler
