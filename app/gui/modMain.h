#pragma once
#include <QString>

// The program's entry: one running copy per program folder, the main window, then the splash over it.
// Gives the exit code of the program.
int Main(const QString& programFolder);
