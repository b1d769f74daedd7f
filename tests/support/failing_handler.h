#pragma once
// A handler that fails, for tests of how the controls report errors that
// their users' handlers raise while an event is handled.
#include <QString>
#include <stdexcept>

inline const QString HandlerFailure = QStringLiteral("Handler fehlgeschlagen");

[[noreturn]] inline void Fail()
{
    throw std::runtime_error(HandlerFailure.toStdString());
}

// What the error box says: the message as a sentence.
inline const QString ShownHandlerFailure = HandlerFailure + QLatin1Char('.');
