#include "messages.h"

#include "platform.h"

namespace Kepler {

void ProcessMessages()
{
    Platform().ProcessMessages();
}

void WaitForMessages(int timeoutMs)
{
    Platform().WaitForMessages(timeoutMs);
}

} // namespace Kepler
