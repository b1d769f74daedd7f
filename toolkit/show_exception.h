#pragma once
#include <QString>
#include <exception>
#include <functional>

// The program's default handling of an error that reaches the message loop:
// a modal error box with the message, after which the program goes on.
// Tests replace the box to see the message without blocking on it.
void ShowException(const std::exception& e);
void ShowException(const QString& message);
void SetShowExceptionHook(std::function<void(const QString& message)> hook);

// Runs an action from the message loop (a timer tick, a deferred call) so
// that an error it raises is shown to the user instead of unwinding into
// Qt's dispatch.
void RunHandlingExceptions(const std::function<void()>& action);
