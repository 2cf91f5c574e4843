#pragma once
// The data folder: where it is, and whether the program can keep its files there. Checked before
// any window is built, so a folder that cannot be used gives a message instead of a broken window.

#include <QString>

// <data home>/hmquiz ($XDG_DATA_HOME/hmquiz when set). Needs the application name set.
QString DefaultDataFolder();

struct DataFolderCheck {
    bool usable = false;
    QString reason;  // for the learner, when not usable
};

// Creates the folder with its missing parents, then writes a small file there atomically and
// removes it again. Not usable: a file in its place, a folder that cannot be created, written
// (read-only, no permission) or filled (full disk, file size limit).
DataFolderCheck PrepareDataFolder(const QString& folder);

// The message the learner reads when the folder cannot be used.
QString DataFolderProblemText(const QString& folder, const QString& reason);
