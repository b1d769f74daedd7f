#pragma once
#include <QIcon>
#include <QString>

// Name of the desktop entry; lets the desktop match the window to its entry
// and show the entry's icon and name for it.
inline const QString DesktopFileName = QStringLiteral("de.keplerprobleme.Simulation");

// The sizes in which the program's windows carry its icon.
inline constexpr int WindowIconSizes[] = {16, 32, 48, 64};

// The program's icon, built into the program, for its windows.
QIcon ProgramIcon();

// Tells the running application which desktop entry it belongs to and gives
// its windows the program's icon. Call once the application object exists.
void SetUpProgramIdentity();
