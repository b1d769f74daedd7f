#include "messages.h"

#include "platform.h"

void ProcessMessages()
{
    Platform().ProcessMessages();
}

void WaitForMessages(int timeoutMs)
{
    Platform().WaitForMessages(timeoutMs);
}
