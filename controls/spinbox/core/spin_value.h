#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace Kepler {

// The spin box's number without a widget: its limits, its step and the
// rules that tie it to the text. The text itself stays with whatever edits
// it; the face asks here what the text reads as, what a value writes and
// which typed characters may enter.
class TSpinValue {
public:
    // Lower limit (0); also what text that is not a number reads as.
    std::int32_t MinValue() const { return FMinValue; }
    void SetMinValue(std::int32_t v) { FMinValue = v; }
    // Upper limit (0). Equal limits, whatever their value, mean no limits.
    std::int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(std::int32_t v) { FMaxValue = v; }
    // Amount a step adds or subtracts (1).
    std::int32_t Increment() const { return FIncrement; }
    void SetIncrement(std::int32_t v) { FIncrement = v; }
    // False refuses every character that edits (True).
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool v) { FEditorEnabled = v; }

    // The number the text holds, or MinValue when it holds none; no limit
    // applies on reading.
    std::int32_t ValueOf(std::u16string_view text) const;
    // The text a write of v shows: v brought between the limits, in decimal.
    std::u16string TextOf(std::int32_t v) const;
    // v brought between the limits (unchanged when the limits are equal).
    std::int32_t ClampValue(std::int32_t v) const;
    // Whether leaving the edit writes the text's value back, brought between
    // the limits. Text that is not a number reads as MinValue and so stays,
    // unless the limits are inverted.
    bool BringsBackOnLeaving(std::u16string_view text) const;
    // What a step up or down from the text's value writes (the write then
    // clamps). Past the ends of the 32-bit range a step stops there.
    std::int32_t SteppedUp(std::u16string_view text) const;
    std::int32_t SteppedDown(std::u16string_view text) const;

    // Whether a typed character may enter: digits, signs, the decimal
    // separator (when it is one character) and control characters other
    // than carriage return; while the editor is disabled, none of those at
    // or above the space, and no backspace.
    bool AcceptsKeyChar(char16_t key, std::u16string_view decimalSeparator) const;

private:
    std::int32_t FMinValue = 0;
    std::int32_t FMaxValue = 0;
    std::int32_t FIncrement = 1;
    bool FEditorEnabled = true;
};

// v in decimal: an optional minus sign, no leading zeros, no separators.
std::u16string IntToText(std::int32_t v);

} // namespace Kepler
