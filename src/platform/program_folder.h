#pragma once
// The folder the program keeps its files in: the per-user data folder, created on first use.

#include <QString>

// <data home>/hmquiz ($XDG_DATA_HOME/hmquiz when set). Created with any missing parents.
QString ProgramFolder();

// <program folder>/Graphics
QString GraphicsFolder(const QString& programFolder);
