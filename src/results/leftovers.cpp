#include "results/leftovers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "content/resource_ids.h"
#include "records/file_io.h"
#include "results/results_log.h"

namespace {

// The six letters an atomic write appends to the name of its temporary copy.
const QString kTempSuffix = QStringLiteral("\\.[A-Za-z]{6}");

// Files written atomically in the program folder, and the temporary files of a paper.
const QRegularExpression& OwnedTemporaryName() {
    static const QRegularExpression name(
        QStringLiteral("^(?:"
                       "(?:marks|first|second|fresults|sresults|trend)[1-3][^/]*\\.txt"
                       "(?:\\.damaged-[0-9-]+)?%1"
                       "|marking\\.journal%1"
                       "|temptext(?:30000)?\\.txt(?:%1)?"
                       "|temppaper[0-9]+\\.mht(?:%1)?"
                       ")$")
            .arg(kTempSuffix));
    return name;
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
        if (OwnedTemporaryName().match(name).hasMatch()) Remove(folder.filePath(name), removed);
    }

    const QDir graphics(programFolder + QStringLiteral("/Graphics"));
    QSet<QString> pictures;
    for (int id : GraphicIds()) pictures.insert(GraphicFileName(id));
    static const QRegularExpression pictureTemp(QStringLiteral("^(.+)%1$").arg(kTempSuffix));
    for (const QString& name : graphics.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = pictureTemp.match(name);
        if (match.hasMatch() && pictures.contains(match.captured(1)))
            Remove(graphics.filePath(name), removed);
    }
    if (!removed.isEmpty()) qCInfo(lcResults) << "removed leftovers" << removed;
    return removed;
}
