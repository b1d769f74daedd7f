#pragma once

// The platform's alert sound.
void MessageBeep();
