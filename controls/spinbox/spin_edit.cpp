#include "KeplerControls/spin_edit.h"
#include "qt_font.h"

#include "beep.h"
#include "KeplerControls/canvas.h"
#include "event_signals.h"
#include "KeplerControls/mouse_input.h"
#include "show_exception.h"
#include "KeplerControls/spin_button.h"
#include "spin_edit_accessible.h"
#include "spin_value.h"
#include "timer_speed_button.h"
#include "widget_limit.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QStyleHints>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>
#include <optional>

namespace Kepler {

namespace {

// The sunken 3-D border of the edit at 96 dpi; the client area lies inside it.
constexpr int EditBorder = 2;
// A thin window border at 96 dpi.
constexpr int ThinBorder = 1;
constexpr int ButtonWidth = 15;
constexpr int ButtonHeight = 17;

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

// Whether the window takes the key for itself before the spin box sees it:
// a dialog presses its default button on Enter and cancels on Escape. A
// window without a default button leaves Enter to the spin box, whose
// filter refuses it.
bool WindowTakesKey(const QKeyEvent& e, const QWidget& w)
{
    if (e.matches(QKeySequence::Cancel))
        return qobject_cast<const QDialog*>(w.window()) != nullptr;
    if (e.key() != Qt::Key_Return && e.key() != Qt::Key_Enter)
        return false;
    const auto mods = e.modifiers();
    if (mods != Qt::NoModifier && !(mods == Qt::KeypadModifier && e.key() == Qt::Key_Enter))
        return false;
    const auto* dialog = qobject_cast<const QDialog*>(w.window());
    if (!dialog)
        return false;
    const auto buttons = dialog->findChildren<QPushButton*>();
    return std::any_of(buttons.cbegin(), buttons.cend(),
                       [](const QPushButton* b) { return b->isDefault() && b->isVisible(); });
}

} // namespace

TSpinEdit::TSpinEdit(QWidget* parent)
    : QLineEdit(parent),
      TControl(this, clWindow),
      FValue(std::make_unique<TSpinValue>())
{
    // Before the first text is set, which already asks for the interface.
    InstallSpinEditAccessibility();
    FButton = new TSpinButton(this);
    FButton->SetBounds(0, 0, ButtonWidth, ButtonHeight);
    FButton->setVisible(true);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](QObject* sender) { StepUp(sender); };
    FButton->OnDownClick = [this](QObject* sender) { StepDown(sender); };
    // No click focus from Qt: its click-to-focus walks up from a pressed
    // half, for any button. A press on the text takes the focus itself
    // (mousePressEvent); a half hands it over for the left button only.
    setFocusPolicy(Qt::TabFocus);
    // The edit itself holds text of any length: MaxLength limits only what
    // the user enters (FitMaxLength), never a written value.
    QLineEdit::setMaxLength(std::numeric_limits<int>::max());
    setText(QStringLiteral("0"));
    SetAutoSize(true);
    // Dropped text would bypass the character filter.
    setAcceptDrops(false);
    // Moves without a held button reach OnMouseMove too.
    setMouseTracking(true);
    // Typed, cut, pasted or undone text is reported from inside Qt's own
    // edit handling: a handler's error stops here instead of unwinding
    // through it. Text written through Value is reported after Qt is done.
    connect(this, &QLineEdit::textChanged, this, [this] {
        GuardEvent([this] {
            AnnounceSpinEditValue(*this);
            if (!FWritingValue)
                NotifyChange();
        });
    });
}

TSpinEdit::~TSpinEdit()
{
    FButton = nullptr; // Qt destroys the pair with the other children
}

void TSpinEdit::SetMaxLength(int v)
{
    FMaxLength = v;
}

QString TSpinEdit::FitMaxLength(const QString& s, qsizetype removed) const
{
    if (FMaxLength <= 0)
        return s;
    const qsizetype kept = std::max<qsizetype>(0, text().size() - removed);
    return s.left(std::max<qsizetype>(0, FMaxLength - kept));
}

void TSpinEdit::PasteClipboard(QClipboard::Mode mode)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString clip = clipboard ? clipboard->text(mode) : QString();
    if (clip.isEmpty() && !hasSelectedText())
        return;
    insert(FitMaxLength(clip, selectedText().size()));
}

void TSpinEdit::SetFont(const TFont& f)
{
    setFont(ToQFont(f));
}

void TSpinEdit::SetBounds(int left, int top, int width, int height)
{
    setGeometry(WithinWidgetLimit(left, top, width, height));
    PlaceButton();
}

QSize TSpinEdit::sizeHint() const
{
    return {121, MinimumHeight()};
}

QSize TSpinEdit::minimumSizeHint() const
{
    const int digits = QFontMetrics(font()).horizontalAdvance(QStringLiteral("000"));
    return {2 * EditBorder + digits + ButtonWidth + 7, MinimumHeight()};
}

int TSpinEdit::MinimumHeight() const
{
    const int f = ClassicTextMetrics(font()).Height();
    const int s = ClassicTextMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).Height();
    return f + std::min(s, f) / 4 + 4 * ThinBorder + 2;
}

// Right to left, the spin box is its own mirror image: the pair sits inside
// the left edge and the text lies right of it, as in Qt's own spin boxes.
TRect TSpinEdit::TextRect() const
{
    const int bw = FButton ? FButton->width() : 0;
    const int clientWidth = width() - 2 * EditBorder;
    const int clientHeight = height() - 2 * EditBorder;
    if (isRightToLeft())
        return {bw + 2, 0, clientWidth, clientHeight + 1};
    return {0, 0, clientWidth - bw - 2, clientHeight + 1};
}

void TSpinEdit::PlaceButton()
{
    if (!FButton)
        return; // being torn down
    const int minHeight = MinimumHeight();
    if (height() < minHeight) {
        resize(width(), minHeight);
        if (isVisible())
            return; // the resize came back here already
    }
    const int bw = FButton->width();
    const int left = EditBorder + width() - bw - 5;
    // Mirrored, the pair's left edge lies as far from the spin box's left
    // edge as its right edge lies from the right edge otherwise.
    FButton->SetBounds(isRightToLeft() ? width() - left - bw : left, EditBorder, bw, height() - 5);
    UpdateTextRect();
}

void TSpinEdit::UpdateTextRect()
{
    const TRect r = TextRect();
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
    if (isRightToLeft()) {
        const int textLeft = EditBorder + r.Left; // widget coordinates
        setTextMargins(std::max(0, textLeft - contents.x()), 0, 0, 0);
        return;
    }
    const int textRight = EditBorder + r.Right; // widget coordinates, exclusive
    setTextMargins(0, 0, std::max(0, contents.x() + contents.width() - textRight), 0);
}

bool TSpinEdit::event(QEvent* e)
{
    return GuardEvent(true, [&] {
        const bool result = QLineEdit::event(e);
        if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange ||
            e->type() == QEvent::LayoutDirectionChange)
            PlaceButton();
        return result;
    });
}

// The middle button pastes the selection on desktops that have one; it is a
// paste like any other.
void TSpinEdit::mouseReleaseEvent(QMouseEvent* e)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && clipboard && clipboard->supportsSelection()) {
        e->accept();
        if (EditingAllowed() && rect().contains(e->position().toPoint())) {
            deselect();
            PasteClipboard(QClipboard::Selection);
        }
    } else {
        QLineEdit::mouseReleaseEvent(e);
    }
    const TMouseMessage m = ClientMouseMessage(*e);
    if (m.Button && FClick.Release(*m.Button, rect().contains(e->position().toPoint())))
        RaiseNotify(OnClick, this, &TSpinEdit::Click);
    RaiseMouse(OnMouseUp, this, &TSpinEdit::MouseUp, m);
}

void TSpinEdit::mousePressEvent(QMouseEvent* e)
{
    if (!hasFocus()) {
        // Any button on the text brings the focus, as a click does in any
        // edit; only a left press keeps the selection to what it marks.
        FLeftPressOnText = e->button() == Qt::LeftButton;
        setFocus(Qt::MouseFocusReason);
        FLeftPressOnText = false;
    }
    QLineEdit::mousePressEvent(e);
    const TMouseMessage m = ClientMouseMessage(*e);
    if (m.Button)
        FClick.Press(*m.Button);
    RaiseMouse(OnMouseDown, this, &TSpinEdit::MouseDown, m);
}

// The second press of a double click: the double click, then a press marked
// as double. Its release makes no second click.
void TSpinEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        RaiseNotify(OnDblClick, this, &TSpinEdit::DblClick);
    RaiseMouse(OnMouseDown, this, &TSpinEdit::MouseDown, ClientMouseMessage(*e));
}

void TSpinEdit::mouseMoveEvent(QMouseEvent* e)
{
    QLineEdit::mouseMoveEvent(e);
    RaiseMouseMove(OnMouseMove, this, &TSpinEdit::MouseMove, ClientMouseMessage(*e));
}

TMouseMessage TSpinEdit::ClientMouseMessage(const QMouseEvent& e) const
{
    return MouseMessage(e, QPoint(EditBorder, EditBorder));
}

void TSpinEdit::focusInEvent(QFocusEvent* e)
{
    const Qt::FocusReason reason = e->reason();
    if (WindowLevelFocusReason(reason)) {
        QLineEdit::focusInEvent(e);
        return;
    }
    // Qt's edit would select all on keyboard entry by itself; AutoSelect
    // decides that here, before the base handling and OnEnter.
    const bool keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason;
    QFocusEvent plain(e->type(), keyboard ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&plain);
    if (FAutoSelect && !FLeftPressOnText)
        selectAll();
    RaiseNotify(OnEnter, this, &TSpinEdit::Enter);
}

void TSpinEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (WindowLevelFocusReason(e->reason()))
        return;
    RaiseNotify(OnExit, this, &TSpinEdit::Exit);
    BringValueBack();
}

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

// A key pressed or released goes through OnKeyDown or OnKeyUp and its signal
// first: a key the handler sets to 0 goes no further; a key it puts in place
// of the pressed one goes on without text of its own.
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

// The key after OnKeyDown: the character it types passes the filter and
// OnKeyPress, then the edit acts on it.
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

// Text composed by an input method passes the same filter and OnKeyPress as
// typed keys, character by character. Control characters that pass the
// filter act as typed ones do in the edit: they never become text. What
// remains is cut to MaxLength; a commit of which nothing remains changes
// nothing, not even the text it was to replace. A read-only spin box takes
// a commit as it takes typed keys: filter and OnKeyPress see it, the text
// does not change, and no composition shows.
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

// The editing entries are our own, so that those that would change the text
// can be switched off while editing is not allowed; Qt's standard entries
// carry nothing reliable to find them by.
QMenu* TSpinEdit::CreateEditMenu()
{
    auto* menu = new QMenu(this);
    const bool showKeys = QGuiApplication::styleHints()->showShortcutsInContextMenus();
    auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled, auto slot) {
        QString label = QCoreApplication::translate("QLineEdit", text);
        const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
        if (showKeys && !keys.isEmpty())
            label += QLatin1Char('\t') + keys;
        QAction* a = menu->addAction(label);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const bool editable = EditingAllowed();
    const bool selected = hasSelectedText();
    add("&Undo", QKeySequence::Undo, !isReadOnly() && isUndoAvailable(), &QLineEdit::undo);
    add("&Redo", QKeySequence::Redo, !isReadOnly() && isRedoAvailable(), &QLineEdit::redo);
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, editable && selected, &QLineEdit::cut);
    add("&Copy", QKeySequence::Copy, selected, &QLineEdit::copy);
    const QClipboard* clipboard = QGuiApplication::clipboard();
    add("&Paste", QKeySequence::Paste, editable && clipboard && !clipboard->text().isEmpty(),
        [this] { PasteClipboard(QClipboard::Clipboard); });
    add("Delete", QKeySequence::UnknownKey, editable && selected, [this] { del(); });
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text(), &QLineEdit::selectAll);
    return menu;
}

void TSpinEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = CreateEditMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void TSpinEdit::AdjustAutoSize()
{
    if (FButton)
        resize(width(), MinimumHeight());
}

void TSpinEdit::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    PlaceButton();
}

// Typed characters take the longer way through OnKeyPress and KeyPress only
// when someone listens.
bool TSpinEdit::KeyPressWatched() const
{
    return OnKeyPress || isSignalConnected(QMetaMethod::fromSignal(&TSpinEdit::KeyPress));
}

bool TSpinEdit::RaiseDragSignal(const TDragSignal& d)
{
    return EmitDragSignal(*this, d, [this](auto signal) { return isSignalConnected(QMetaMethod::fromSignal(signal)); });
}

} // namespace Kepler
