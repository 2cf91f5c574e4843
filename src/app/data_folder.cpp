#include "app/data_folder.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>

#include "app/app_log.h"

namespace {

class DataFolderText {
    Q_DECLARE_TR_FUNCTIONS(DataFolder)
};

// One block: enough for a full file system to refuse it.
constexpr qsizetype kProbeSize = 4096;

QString SystemError(int error) {
    return qt_error_string(error);
}

// Creates `folder` and its missing parents one level at a time, so that a failure can name the
// level and the system's reason.
DataFolderCheck MakeFolder(const QString& folder, QStringList& made) {
    QStringList missing;
    QString existing = folder;
    while (!QFileInfo::exists(existing) && !QFileInfo(existing).isSymLink()) {
        missing.prepend(existing);
        const QString parent = QFileInfo(existing).path();
        if (parent == existing) break;
        existing = parent;
    }
    const QFileInfo top(existing);
    if (!missing.isEmpty() && top.exists() && !top.isDir()) {
        return {false,
                DataFolderText::tr("It cannot be created: %1 is a file, not a folder.")
                    .arg(QDir::toNativeSeparators(existing)),
                {}};
    }
    for (const QString& level : missing) {
        if (::mkdir(QFile::encodeName(level).constData(), 0777) == 0) {
            made.append(level);
        } else if (errno != EEXIST) {
            return {
                false, DataFolderText::tr("It cannot be created: %1.").arg(SystemError(errno)), {}};
        }
    }
    return {true, {}, {}};
}

}  // namespace

QString DefaultDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

DataFolderCheck PrepareDataFolder(const QString& folder) {
    DataFolderCheck check;
    // No home folder at all: nothing to fall back on but saying so.
    if (folder.isEmpty()) return {false, DataFolderText::tr("No folder is known for it."), {}};
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        return {false, DataFolderText::tr("A file with that name is in its place."), {}};
    }
    if (!info.exists()) {
        if (info.isSymLink()) {
            return {false,
                    DataFolderText::tr("It is a link to %1, which does not exist.")
                        .arg(QDir::toNativeSeparators(info.symLinkTarget())),
                    {}};
        }
        QStringList levels;
        DataFolderCheck made = MakeFolder(folder, levels);
        if (!made.usable) {
            RemoveMadeFolders(levels);
            return made;
        }
        check.made = levels;
    }

    // A temporary file the way every file of the program starts, filled and then dropped:
    // a read-only folder, a full disk or a file size limit all show here. Never committed, so
    // nothing is synced to disk (that would cost each start as much as the rest of it) and the
    // folder is left as it was.
    const QString probe = QDir(folder).filePath(
        QStringLiteral(".hmquiz-write-probe-%1").arg(QCoreApplication::applicationPid()));
    QSaveFile file(probe);
    if (!file.open(QIODevice::WriteOnly)) {
        RemoveMadeFolders(check.made);
        return {false, DataFolderText::tr("It cannot be written: %1.").arg(file.errorString()), {}};
    }
    const QByteArray block(kProbeSize, '\0');
    const bool filled = file.write(block) == block.size() && file.flush();
    const QString why = file.errorString();
    file.cancelWriting();
    if (!filled) {
        RemoveMadeFolders(check.made);
        return {false, DataFolderText::tr("It cannot be filled: %1.").arg(why), {}};
    }
    check.usable = true;
    return check;
}

void RemoveMadeFolders(const QStringList& made) {
    if (made.isEmpty()) return;
    // The innermost holds what the start wrote; the levels above it were made empty.
    if (!QDir(made.last()).removeRecursively())
        qCWarning(lcApp) << "could not remove the folder" << made.last() << "made by this start";
    for (qsizetype i = made.size() - 2; i >= 0; --i)
        if (::rmdir(QFile::encodeName(made[i]).constData()) != 0)
            qCWarning(lcApp) << "could not remove the folder" << made[i] << "made by this start";
}

QString DataFolderProblemText(const QString& folder, const QString& reason) {
    return DataFolderText::tr(
               "Home Maths Quiz cannot keep the learner's results in the folder\n%1\n\n%2\n\n"
               "Make the folder usable, or start the program with --data-dir and another "
               "folder.")
        .arg(QDir::toNativeSeparators(folder), reason);
}
