#include "timer_speed_button.h"
#include "store_if_changed.h"

#include "timer.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace Kepler {

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent)
    : TSpeedButton(parent)
{
}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetTimeBtnState(TTimeBtnStates v)
{
    if (StoreIfChanged(FTimeBtnState, v))
        update();
}

void TTimerSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSpeedButton::MouseDown(button, shift, x, y);
    if (!FTimeBtnState.Contains(tbAllowTimer))
        return;
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>();
        // An error from the step has stopped the timer already when the
        // timer reports it to the user.
        FRepeatTimer->OnTimer = [this](QObject* sender) { RepeatTick(sender); };
    }
    FRepeatTimer->SetInterval(InitialRepeatDelay);
    FRepeatTimer->SetEnabled(true);
}

void TTimerSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSpeedButton::MouseUp(button, shift, x, y);
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
}

void TTimerSpeedButton::RepeatTick(QObject*)
{
    FRepeatTimer->SetInterval(RepeatInterval);
    if (State() != bsDown || !MouseCapture())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TTimerSpeedButton::Paint(QPainter& painter)
{
    PaintFace(painter);
    if (!FTimeBtnState.Contains(tbFocusRect))
        return;
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    // The half never holds the focus itself; the mark stands for the pair's.
    opt.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    opt.rect = rect().adjusted(3, 3, -3, -3);
    if (State() == bsDown)
        opt.rect.translate(1, 1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &painter, this);
}

} // namespace Kepler
