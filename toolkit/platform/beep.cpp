#include "beep.h"

#include "platform.h"

void MessageBeep()
{
    Platform().Beep();
}
