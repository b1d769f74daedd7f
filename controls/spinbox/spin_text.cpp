#include "spin_text.h"

#include "platform.h"

#include <QString>

namespace Kepler {

std::u16string LocaleDecimalSeparator()
{
    // The platform's, like every other text the system gives.
    return QString::fromStdString(Platform().DecimalSeparator()).toStdU16String();
}

} // namespace Kepler
