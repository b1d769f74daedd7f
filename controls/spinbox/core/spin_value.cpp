#include "spin_value.h"

#include "saturating.h"
#include "text_to_int.h"

namespace Kepler {

std::int32_t TSpinValue::ValueOf(std::u16string_view text) const
{
    return TextToInt(text).value_or(FMinValue);
}

std::u16string TSpinValue::TextOf(std::int32_t v) const
{
    return IntToText(ClampValue(v));
}

std::int32_t TSpinValue::ClampValue(std::int32_t v) const
{
    if (FMinValue == FMaxValue)
        return v;
    if (v < FMinValue)
        return FMinValue;
    if (v > FMaxValue)
        return FMaxValue;
    return v;
}

bool TSpinValue::BringsBackOnLeaving(std::u16string_view text) const
{
    const std::int32_t v = ValueOf(text);
    return ClampValue(v) != v;
}

std::int32_t TSpinValue::SteppedUp(std::u16string_view text) const
{
    return SaturatingAdd(ValueOf(text), FIncrement);
}

std::int32_t TSpinValue::SteppedDown(std::u16string_view text) const
{
    return SaturatingSub(ValueOf(text), FIncrement);
}

bool TSpinValue::AcceptsKeyChar(char16_t key, std::u16string_view decimalSeparator) const
{
    const bool isSeparator = decimalSeparator.size() == 1 && decimalSeparator[0] == key;
    const bool inSet = key <= 255 && ((key >= u'0' && key <= u'9') || key == u'+' || key == u'-' || isSeparator);
    const bool acceptable = inSet || (key < 32 && key != u'\r');
    if (!FEditorEnabled && acceptable && (key >= 32 || key == u'\b'))
        return false;
    return acceptable;
}

std::u16string IntToText(std::int32_t v)
{
    // Formed from the magnitude in 64 bits, so that the most negative value
    // has one too.
    std::int64_t magnitude = v < 0 ? -std::int64_t(v) : std::int64_t(v);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), char16_t(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (v < 0)
        digits.insert(digits.begin(), u'-');
    return digits;
}

} // namespace Kepler
