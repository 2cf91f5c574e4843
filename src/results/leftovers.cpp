#include "results/leftovers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "records/file_io.h"
#include "results/results_log.h"

namespace {

// The temporary files of a table or paper: the names are the program's own, and fixed.
bool IsPaperOrTableFile(const QString& name) {
    static const QRegularExpression form(
        QStringLiteral("^(?:temptext(?:30000)?\\.txt|temppaper[0-9]+\\.mht)$"));
    return form.match(name).hasMatch();
}

bool Remove(const QString& path, QStringList& removed) {
    // Only plain files: nothing here ever needs a folder or a special file removed.
    if (FileKindAt(path) != FileKind::Regular) return false;
    if (!QFile::remove(path)) {
        qCWarning(lcResults) << "cannot remove the leftover" << path;
        return false;
    }
    removed += path;
    return true;
}

}  // namespace

QStringList RemoveLeftovers(const QString& programFolder) {
    QStringList removed;
    const QDir folder(programFolder);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsTemporaryFileName(name) || IsPaperOrTableFile(name))
            Remove(folder.filePath(name), removed);
    }
    const QDir graphics(programFolder + QStringLiteral("/Graphics"));
    for (const QString& name : graphics.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsTemporaryFileName(name)) Remove(graphics.filePath(name), removed);
    }
    if (!removed.isEmpty()) qCInfo(lcResults) << "removed leftovers" << removed;
    return removed;
}
