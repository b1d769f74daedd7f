#include "local_date.h"

#include <ctime>

namespace Kepler {

TLocalDate CurrentLocalDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    TLocalDate d;
    d.Year = static_cast<std::uint16_t>(local.tm_year + 1900);
    d.Month = static_cast<std::uint16_t>(local.tm_mon + 1);
    d.Day = static_cast<std::uint16_t>(local.tm_mday);
    return d;
}

} // namespace Kepler
