// Keys and composed text: stepping on Up and Down, the key events and their
// signals, the character filter, MaxLength on what is typed.
#include "KeplerControls/spin_edit.h"

#include "beep.h"
#include "spin_dialog_keys.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <algorithm>
#include <optional>

namespace Kepler {

namespace {

// The character a key press types, as the filter sees it: Backspace, Enter
// and Ctrl+letter give their control characters, Delete and navigation keys
// type nothing.
std::optional<char16_t> TypedChar(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Backspace: return u'\b';
    case Qt::Key_Return:
    case Qt::Key_Enter: return u'\r';
    case Qt::Key_Delete: return std::nullopt;
    default: break;
    }
    const auto mods = e.modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return char16_t(e.key() - Qt::Key_A + 1);
    const QString t = e.text();
    if (t.isEmpty())
        return std::nullopt;
    return t.at(0).unicode();
}

// The key event that types c, for a character a key-press handler put in
// place of the typed one.
struct TCharKey {
    int Key;
    Qt::KeyboardModifiers Modifiers;
};

TCharKey KeyForChar(char16_t c)
{
    if (c == u'\b')
        return {Qt::Key_Backspace, Qt::NoModifier};
    if (c == u'\r')
        return {Qt::Key_Return, Qt::NoModifier};
    if (c == 0x1B)
        return {Qt::Key_Escape, Qt::NoModifier};
    if (c >= 1 && c <= 26)
        return {Qt::Key_A + c - 1, Qt::ControlModifier};
    return {Qt::Key_unknown, Qt::NoModifier};
}

} // namespace

void TSpinEdit::keyPressEvent(QKeyEvent* e)
{
    if (WindowTakesKey(*e, *this)) {
        e->ignore();
        return;
    }
    if (e->key() == Qt::Key_Up)
        StepUp(this);
    else if (e->key() == Qt::Key_Down)
        StepDown(this);
    PassKeyThroughHandler(e);
}

void TSpinEdit::PassKeyThroughHandler(QKeyEvent* e)
{
    const bool press = e->type() == QEvent::KeyPress;
    int key = e->key();
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), Qt::NoButton);
    const TKeyEvent& handler = press ? OnKeyDown : OnKeyUp;
    if (handler)
        handler(this, key, shift);
    if (press)
        emit KeyDown(key, shift);
    else
        emit KeyUp(key, shift);
    if (key == 0) {
        e->accept();
        return;
    }
    const auto passOn = [&](QKeyEvent* k) {
        if (press)
            TypeKey(k);
        else
            QLineEdit::keyReleaseEvent(k);
    };
    if (key == e->key()) {
        passOn(e);
        return;
    }
    QKeyEvent swapped(e->type(), key, e->modifiers(), QString(), e->isAutoRepeat(), e->count());
    passOn(&swapped);
    e->setAccepted(swapped.isAccepted());
}

void TSpinEdit::TypeKey(QKeyEvent* e)
{
    const auto ch = TypedChar(*e);
    if (ch && !AcceptsKeyChar(*ch)) {
        e->accept();
        MessageBeep();
        return;
    }
    QKeyEvent* forward = e;
    std::optional<QKeyEvent> replaced;
    if (ch && KeyPressWatched()) {
        char16_t c = *ch;
        if (OnKeyPress)
            OnKeyPress(this, c);
        emit KeyPress(c);
        if (c == 0) {
            e->accept();
            return;
        }
        if (c != *ch) {
            const TCharKey k = KeyForChar(c);
            replaced.emplace(e->type(), k.Key, k.Modifiers, QString(QChar(c)), e->isAutoRepeat(), e->count());
            forward = &*replaced;
        }
    }
    if ((forward->matches(QKeySequence::Cut) || forward->matches(QKeySequence::Paste)) && !EditingAllowed()) {
        e->accept();
        return;
    }
    if (forward->matches(QKeySequence::Paste)) {
        e->accept();
        PasteClipboard(QClipboard::Clipboard);
        return;
    }
    // A printable character becomes text (as in the edit's own handling);
    // what does not fit MaxLength is dropped.
    const QString typed = forward->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !isReadOnly()) {
        const QString fitting = FitMaxLength(typed, selectedText().size());
        if (fitting.isEmpty()) {
            e->accept();
            return;
        }
        if (fitting != typed) {
            replaced.emplace(forward->type(), forward->key(), forward->modifiers(), fitting,
                             forward->isAutoRepeat(), forward->count());
            forward = &*replaced;
        }
    }
    QLineEdit::keyPressEvent(forward);
    e->setAccepted(forward->isAccepted());
}

void TSpinEdit::keyReleaseEvent(QKeyEvent* e)
{
    // A held key repeats its key-down only.
    if (e->isAutoRepeat()) {
        QLineEdit::keyReleaseEvent(e);
        return;
    }
    PassKeyThroughHandler(e);
}

void TSpinEdit::inputMethodEvent(QInputMethodEvent* e)
{
    const QString commit = e->commitString();
    if (commit.isEmpty()) {
        if (isReadOnly())
            e->ignore();
        else
            QLineEdit::inputMethodEvent(e);
        return;
    }
    QString kept;
    for (QChar c : commit) {
        char16_t key = c.unicode();
        if (!AcceptsKeyChar(key)) {
            MessageBeep(); // one alert per refused character
            continue;
        }
        if (OnKeyPress)
            OnKeyPress(this, key);
        emit KeyPress(key);
        if (key != 0 && QChar(key).isPrint())
            kept += QChar(key);
    }
    if (isReadOnly()) {
        e->ignore();
        return;
    }
    const qsizetype removed = selectedText().size() + std::max(0, e->replacementLength());
    kept = FitMaxLength(kept, removed);
    QInputMethodEvent changed(e->preeditString(), e->attributes());
    if (!kept.isEmpty())
        changed.setCommitString(kept, e->replacementStart(), e->replacementLength());
    QLineEdit::inputMethodEvent(&changed);
}

bool TSpinEdit::KeyPressWatched() const
{
    return OnKeyPress || isSignalConnected(QMetaMethod::fromSignal(&TSpinEdit::KeyPress));
}

} // namespace Kepler
