#include "accessibility_notify.h"

#include "platform.h"

#include <utility>

namespace Kepler {

void AnnounceValueChange(TAccessObject object, TAccessValue value)
{
    TAnnouncement announcement;
    announcement.Object = object;
    announcement.Change = acValueChange;
    announcement.Value = std::move(value);
    Platform().Announce(announcement);
}

} // namespace Kepler
