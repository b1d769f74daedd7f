#pragma once

// The program speaks German whatever the desktop's language: Qt's own texts
// (the edits' context menus, the message box's button) follow it when
// Debian's Qt translations are installed. Returns whether they were found.
bool InstallGermanQtTexts();
