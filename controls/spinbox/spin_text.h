#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace Kepler {

// The edit's text as the value model reads it, without a copy; valid while
// the string lives.
inline std::u16string_view Utf16View(const QString& s)
{
    return {reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size())};
}

// The user's decimal separator as the platform gives it, the one character
// besides digits and signs that the spin box lets through. Read in this one
// place.
std::u16string LocaleDecimalSeparator();

} // namespace Kepler
