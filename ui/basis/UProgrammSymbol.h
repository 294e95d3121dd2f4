// The program's icon and its desktop entry, for task bars and window lists.
#pragma once

class QApplication;

// Matches the installed file name of the desktop entry and the icon.
inline constexpr const char* kDesktopId = "org.example.Knallfeld";

void ProgrammSymbolSetzen(QApplication& app);
