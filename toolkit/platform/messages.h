#pragma once

namespace Kepler {

// One pass over the application's pending window messages: handles what is
// queued now and returns.
void ProcessMessages();
// Blocks until a message arrives or timeoutMs milliseconds have passed,
// whichever comes first, handling what arrives; never burns a core.
void WaitForMessages(int timeoutMs);

} // namespace Kepler
