#include "KeplerControls/spin_edit.h"

#include "qt_font.h"
#include "event_signals.h"
#include "KeplerControls/spin_button.h"
#include "spin_edit_accessible.h"
#include "spin_edit_metrics.h"
#include "show_exception.h"
#include "spin_value.h"

#include <QEvent>
#include <QMetaMethod>
#include <limits>

namespace Kepler {

using namespace SpinEditMetrics;

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

void TSpinEdit::SetFont(const TFont& f)
{
    setFont(ToQFont(f));
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

bool TSpinEdit::RaiseDragSignal(const TDragSignal& d)
{
    return EmitDragSignal(*this, d, [this](auto signal) { return isSignalConnected(QMetaMethod::fromSignal(signal)); });
}

} // namespace Kepler
