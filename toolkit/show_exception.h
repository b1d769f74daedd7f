#pragma once
#include <QString>
#include <exception>
#include <functional>

// The program's default handling of an error that reaches the message loop:
// a modal error box with the message, after which the program goes on.
// The box is the platform's.
void ShowException(const std::exception& e);
void ShowException(const QString& message);

// Runs an action from the message loop (a timer tick, a deferred call) so
// that an error it raises is shown to the user instead of unwinding into
// Qt's dispatch.
void RunHandlingExceptions(const std::function<void()>& action);
