#pragma once
#include <functional>

// One pass over the application's pending window messages: handles what is
// queued now and returns. Tests may replace it to drive whole runs.
void ProcessMessages();
// Blocks until a message arrives or timeoutMs milliseconds have passed,
// whichever comes first, handling what arrives; never burns a core.
void WaitForMessages(int timeoutMs);

void SetProcessMessagesHook(std::function<void()> hook);
void SetWaitForMessagesHook(std::function<void(int)> hook);
