#pragma once
#include <functional>

// The platform's alert sound. Tests replace it to count the alerts.
void MessageBeep();
void SetBeepHook(std::function<void()> hook);
