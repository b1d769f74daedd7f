#pragma once
#include <QIcon>

// The program's icon, built into the program, for its windows.
QIcon ProgramIcon();

// Tells the running application which desktop entry it belongs to and gives
// its windows the program's icon. Call once the application object exists.
void SetUpProgramIdentity();
