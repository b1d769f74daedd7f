#pragma once
#include <QString>
#include <exception>

namespace Kepler {

// The program's default handling of an error that reaches the message loop:
// a modal error box with the message, after which the program goes on.
// The box is the platform's.
void ShowException(const std::exception& e);
void ShowException(const QString& message);

// Reports an error that ended the handling of an event. The box comes once
// the event has been delivered, from the message loop: a modal box inside
// Qt's own handling of a key or a click runs a message loop where Qt does
// not expect one. While one such box is waiting or open, further errors are
// not reported again, so a handler that fails on every paint or every
// pointer move does not pile up boxes.
void ReportEventError(const QString& message);
// The same for the exception being handled; call it from a catch block.
void ReportCurrentException() noexcept;

// Delivers an event whose handling may run code of the control's user (an
// On... handler, a slot connected to a signal). Qt's event dispatch is not
// written for exceptions passing through it, so an error stops here and is
// reported as above. Every place where Qt hands an event to the controls or
// the window goes through this one guard.
template <typename TDeliver>
void GuardEvent(TDeliver&& deliver) noexcept
{
    try {
        deliver();
    } catch (...) {
        ReportCurrentException();
    }
}

// The same for a delivery that answers: onError stands in for the answer.
template <typename TResult, typename TDeliver>
TResult GuardEvent(TResult onError, TDeliver&& deliver) noexcept
{
    try {
        return deliver();
    } catch (...) {
        ReportCurrentException();
        return onError;
    }
}

} // namespace Kepler
