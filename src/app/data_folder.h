#pragma once
// The data folder: where it is, and whether the program can keep its files there. Checked before
// any window is built, so a folder that cannot be used gives a message instead of a broken window.

#include <QString>
#include <QStringList>

// <data home>/hmquiz ($XDG_DATA_HOME/hmquiz when set). Needs the application name set.
QString DefaultDataFolder();

struct DataFolderCheck {
    bool usable = false;
    QString reason;    // for the learner, when not usable
    QStringList made;  // the folders this check created, outermost first
};

// Creates the folder with its missing parents, then writes a small file there atomically and
// removes it again. Not usable: a file in its place, a folder that cannot be created, written
// (read-only, no permission) or filled (full disk, file size limit). A folder that is not usable
// is left as it was: the folders made on the way are removed again.
DataFolderCheck PrepareDataFolder(const QString& folder);

// After a start that failed later on: removes the folders the check made, the data folder with
// what this start put in it. Only for folders nobody else can have used (the copy held the lock).
void RemoveMadeFolders(const QStringList& made);

// The message the learner reads when the folder cannot be used.
QString DataFolderProblemText(const QString& folder, const QString& reason);
