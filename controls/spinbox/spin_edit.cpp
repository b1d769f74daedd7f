#include "spin_edit.h"

#include "beep.h"
#include "canvas.h"
#include "spin_button.h"
#include "spin_edit_accessible.h"
#include "text_to_int.h"
#include "timer_speed_button.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The sunken 3-D border of the edit at 96 dpi; the client area lies inside it.
constexpr int EditBorder = 2;
// A thin window border at 96 dpi.
constexpr int ThinBorder = 1;
constexpr int ButtonWidth = 15;
constexpr int ButtonHeight = 17;

// Stepping past the 32-bit range stops at its ends instead of wrapping.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t(a) + std::int64_t(b);
    return std::int32_t(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::int32_t SaturatingSub(std::int32_t a, std::int32_t b)
{
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(a) - std::int64_t(b),
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

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

// Focus that comes and goes with the whole window or a popup menu is not an
// entry into or exit from the control.
bool WindowLevelReason(Qt::FocusReason r)
{
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

} // namespace

TSpinEdit::TSpinEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // Before the first text is set, which already asks for the interface.
    InstallSpinEditAccessibility();
    FButton = new TSpinButton(this);
    FButton->SetBounds(0, 0, ButtonWidth, ButtonHeight);
    FButton->setVisible(true);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](QObject* sender) { StepUp(sender); };
    FButton->OnDownClick = [this](QObject* sender) { StepDown(sender); };
    // Watches presses on the halves, to select the text when such a press
    // brings the focus in.
    FButton->UpButton()->installEventFilter(this);
    FButton->DownButton()->installEventFilter(this);
    setText(QStringLiteral("0"));
    // Dropped text would bypass the character filter.
    setAcceptDrops(false);
    // Moves without a held button reach OnMouseMove too.
    setMouseTracking(true);
    connect(this, &QLineEdit::textChanged, this, [this] {
        AnnounceSpinEditValue(*this);
        if (!FWritingValue && OnChange)
            OnChange(this);
    });
}

TSpinEdit::~TSpinEdit()
{
    FButton->UpButton()->removeEventFilter(this);
    FButton->DownButton()->removeEventFilter(this);
    FButton = nullptr; // Qt destroys the pair with the other children
}

std::int32_t TSpinEdit::Value() const
{
    return TextToInt(text()).value_or(FMinValue);
}

void TSpinEdit::SetValue(std::int32_t v)
{
    const QString t = QString::number(ClampValue(v));
    if (t == text())
        return;
    // The notification runs after Qt has finished replacing the text, so an
    // error a handler raises never unwinds through Qt's own code.
    FWritingValue = true;
    setText(t);
    FWritingValue = false;
    if (OnChange)
        OnChange(this);
}

std::int32_t TSpinEdit::ClampValue(std::int32_t v) const
{
    if (FMinValue == FMaxValue)
        return v;
    if (v < FMinValue)
        return FMinValue;
    if (v > FMaxValue)
        return FMaxValue;
    return v;
}

void TSpinEdit::StepUp(QObject*)
{
    if (ReadOnly()) {
        MessageBeep();
        return;
    }
    SetValue(SaturatingAdd(Value(), FIncrement));
}

void TSpinEdit::StepDown(QObject*)
{
    if (ReadOnly()) {
        MessageBeep();
        return;
    }
    SetValue(SaturatingSub(Value(), FIncrement));
}

bool TSpinEdit::AcceptsKeyChar(char16_t key) const
{
    const QString separator = QLocale().decimalPoint();
    const bool isSeparator = separator.size() == 1 && separator.at(0).unicode() == key;
    const bool inSet = key <= 255 && ((key >= u'0' && key <= u'9') || key == u'+' || key == u'-' || isSeparator);
    const bool acceptable = inSet || (key < 32 && key != u'\r');
    if (!FEditorEnabled && acceptable && (key >= 32 || key == u'\b'))
        return false;
    return acceptable;
}

bool TSpinEdit::EditingAllowed() const
{
    return FEditorEnabled && !ReadOnly();
}

void TSpinEdit::SetFont(const TFont& f)
{
    setFont(f.ToQFont());
}

void TSpinEdit::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    PlaceButton();
}

int TSpinEdit::MinimumHeight() const
{
    const int f = ClassicTextMetrics(font()).Height();
    const int s = ClassicTextMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).Height();
    return f + std::min(s, f) / 4 + 4 * ThinBorder + 2;
}

TRect TSpinEdit::TextRect() const
{
    const int bw = FButton ? FButton->width() : 0;
    const int clientWidth = width() - 2 * EditBorder;
    const int clientHeight = height() - 2 * EditBorder;
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
    FButton->SetBounds(EditBorder + width() - bw - 5, EditBorder, bw, height() - 5);
    UpdateTextRect();
}

void TSpinEdit::UpdateTextRect()
{
    const TRect r = TextRect();
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
    const int textRight = EditBorder + r.Right; // widget coordinates, exclusive
    setTextMargins(0, 0, std::max(0, contents.x() + contents.width() - textRight), 0);
}

bool TSpinEdit::event(QEvent* e)
{
    const bool result = QLineEdit::event(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        PlaceButton();
    return result;
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (FEnteredByPress && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        // The focus came with this press on a half, not on the text.
        FEnteredByPress = false;
        if (FAutoSelect)
            selectAll();
    }
    return QLineEdit::eventFilter(watched, e);
}

// The middle button pastes the selection on desktops that have one; it is a
// paste like any other.
void TSpinEdit::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton && !EditingAllowed())
        e->accept();
    else
        QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && FClicked) {
        FClicked = false;
        if (rect().contains(e->position().toPoint()) && OnClick)
            OnClick(this);
    }
    NotifyMouse(OnMouseUp, e);
}

void TSpinEdit::mousePressEvent(QMouseEvent* e)
{
    if (FEnteredByPress) {
        FEnteredByPress = false;
        if (FAutoSelect && e->button() != Qt::LeftButton)
            selectAll();
    }
    QLineEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        FClicked = true;
    NotifyMouse(OnMouseDown, e);
}

// The second press of a double click: the double click, then a press marked
// as double. Its release makes no second click.
void TSpinEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    NotifyMouse(OnMouseDown, e, ssDouble);
}

void TSpinEdit::mouseMoveEvent(QMouseEvent* e)
{
    QLineEdit::mouseMoveEvent(e);
    if (OnMouseMove) {
        const QPoint p = e->position().toPoint() - QPoint(EditBorder, EditBorder);
        OnMouseMove(this, ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
    }
}

void TSpinEdit::NotifyMouse(const TMouseEvent& handler, QMouseEvent* e, TShiftState extra)
{
    const auto button = MouseButtonFromQt(e->button());
    if (!handler || !button)
        return;
    const QPoint p = e->position().toPoint() - QPoint(EditBorder, EditBorder);
    handler(this, *button, ShiftStateFromQt(e->modifiers(), e->buttons()) | extra, p.x(), p.y());
}

void TSpinEdit::focusInEvent(QFocusEvent* e)
{
    const Qt::FocusReason reason = e->reason();
    if (WindowLevelReason(reason)) {
        QLineEdit::focusInEvent(e);
        return;
    }
    // A press brings the focus in before it arrives itself; where it lands
    // decides on the selection.
    FEnteredByPress = reason == Qt::MouseFocusReason;
    if (FAutoSelect && !FEnteredByPress)
        selectAll();
    // Qt's edit would select all on keyboard entry by itself; AutoSelect
    // decides that here.
    const bool keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason;
    QFocusEvent plain(e->type(), keyboard ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&plain);
    if (OnEnter)
        OnEnter(this);
}

void TSpinEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    FEnteredByPress = false;
    if (WindowLevelReason(e->reason()))
        return;
    if (OnExit)
        OnExit(this);
    // Text that is not a number reads as MinValue and stays as it is.
    const std::int32_t v = Value();
    if (ClampValue(v) != v)
        SetValue(v);
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
    int key = e->key();
    if (OnKeyDown)
        OnKeyDown(this, key, ShiftStateFromQt(e->modifiers(), Qt::NoButton));
    if (key == 0) {
        e->accept();
        return;
    }
    if (key == e->key()) {
        TypeKey(e);
        return;
    }
    // A key the handler put in place of the pressed one types no text of its own.
    QKeyEvent swapped(e->type(), key, e->modifiers(), QString(), e->isAutoRepeat(), e->count());
    TypeKey(&swapped);
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
    if (ch && OnKeyPress) {
        char16_t c = *ch;
        OnKeyPress(this, c);
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
    QLineEdit::keyPressEvent(forward);
    e->setAccepted(forward->isAccepted());
}

void TSpinEdit::keyReleaseEvent(QKeyEvent* e)
{
    // A held key repeats its key-down only.
    if (e->isAutoRepeat() || !OnKeyUp) {
        QLineEdit::keyReleaseEvent(e);
        return;
    }
    int key = e->key();
    OnKeyUp(this, key, ShiftStateFromQt(e->modifiers(), Qt::NoButton));
    if (key == 0) {
        e->accept();
        return;
    }
    if (key == e->key()) {
        QLineEdit::keyReleaseEvent(e);
        return;
    }
    QKeyEvent swapped(e->type(), key, e->modifiers(), QString(), false, e->count());
    QLineEdit::keyReleaseEvent(&swapped);
    e->setAccepted(swapped.isAccepted());
}

// Text composed by an input method passes the same filter and OnKeyPress as
// typed keys, character by character.
void TSpinEdit::inputMethodEvent(QInputMethodEvent* e)
{
    const QString commit = e->commitString();
    const bool refused = std::any_of(commit.cbegin(), commit.cend(),
                                     [this](QChar c) { return !AcceptsKeyChar(c.unicode()); });
    if (refused) {
        MessageBeep();
        QInputMethodEvent withoutCommit(e->preeditString(), e->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        return;
    }
    if (!OnKeyPress || commit.isEmpty()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    QString kept;
    for (QChar c : commit) {
        char16_t key = c.unicode();
        OnKeyPress(this, key);
        if (key != 0)
            kept += QChar(key);
    }
    QInputMethodEvent changed(e->preeditString(), e->attributes());
    changed.setCommitString(kept, e->replacementStart(), e->replacementLength());
    QLineEdit::inputMethodEvent(&changed);
}

void TSpinEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    if (!EditingAllowed()) {
        for (QAction* a : menu->actions())
            if (a->objectName() == QLatin1String("edit-cut") || a->objectName() == QLatin1String("edit-paste"))
                a->setEnabled(false);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void TSpinEdit::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    PlaceButton();
}
