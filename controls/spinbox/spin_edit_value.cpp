// The spin box's number: the widget holds the text, the value model says
// what it reads as, what a write shows and which characters may enter.
#include "KeplerControls/spin_edit.h"

#include "beep.h"
#include "event_signals.h"
#include "spin_text.h"
#include "spin_value.h"

namespace Kepler {

std::int32_t TSpinEdit::Value() const
{
    return FValue->ValueOf(Utf16View(text()));
}

void TSpinEdit::SetValue(std::int32_t v)
{
    const QString t = QString::fromStdU16String(FValue->TextOf(v));
    if (t == text())
        return;
    // The notification runs after Qt has finished replacing the text, so an
    // error a handler raises never unwinds through Qt's own code.
    FWritingValue = true;
    setText(t);
    FWritingValue = false;
    NotifyChange();
}

std::int32_t TSpinEdit::MinValue() const
{
    return FValue->MinValue();
}

void TSpinEdit::SetMinValue(std::int32_t v)
{
    FValue->SetMinValue(v);
    NotifyValue();
}

std::int32_t TSpinEdit::MaxValue() const
{
    return FValue->MaxValue();
}

void TSpinEdit::SetMaxValue(std::int32_t v)
{
    FValue->SetMaxValue(v);
}

std::int32_t TSpinEdit::Increment() const
{
    return FValue->Increment();
}

void TSpinEdit::SetIncrement(std::int32_t v)
{
    FValue->SetIncrement(v);
}

bool TSpinEdit::EditorEnabled() const
{
    return FValue->EditorEnabled();
}

void TSpinEdit::SetEditorEnabled(bool v)
{
    FValue->SetEditorEnabled(v);
}

std::int32_t TSpinEdit::ClampValue(std::int32_t v) const
{
    return FValue->ClampValue(v);
}

void TSpinEdit::NotifyChange()
{
    RaiseNotify(OnChange, this, &TSpinEdit::Change);
    NotifyValue();
}

void TSpinEdit::NotifyValue()
{
    const std::int32_t v = Value();
    if (v == FReportedValue)
        return;
    FReportedValue = v;
    emit ValueChanged(v);
}

void TSpinEdit::StepUp(QObject*)
{
    if (ReadOnly()) {
        MessageBeep();
        return;
    }
    SetValue(FValue->SteppedUp(Utf16View(text())));
}

void TSpinEdit::StepDown(QObject*)
{
    if (ReadOnly()) {
        MessageBeep();
        return;
    }
    SetValue(FValue->SteppedDown(Utf16View(text())));
}

bool TSpinEdit::AcceptsKeyChar(char16_t key) const
{
    return FValue->AcceptsKeyChar(key, LocaleDecimalSeparator());
}

bool TSpinEdit::EditingAllowed() const
{
    return EditorEnabled() && !ReadOnly();
}

// Text that is not a number reads as MinValue and stays as it is.
void TSpinEdit::BringValueBack()
{
    if (FValue->BringsBackOnLeaving(Utf16View(text())))
        SetValue(Value());
}

} // namespace Kepler
