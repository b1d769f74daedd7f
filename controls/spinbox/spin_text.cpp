#include "spin_text.h"

#include <QLocale>

namespace Kepler {

std::u16string LocaleDecimalSeparator()
{
    return QLocale().decimalPoint().toStdU16String();
}

} // namespace Kepler
