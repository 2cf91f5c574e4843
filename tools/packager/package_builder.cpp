#include "package_builder.h"

#include "figure_painter.h"
#include "gif_writer.h"
#include "mht_archive.h"
#include "package_tables.h"
#include "question_page.h"
#include "results/results_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr int kLastSkinId = 92;

bool IsIdName(const QString& name) {
    bool ok = false;
    const int id = name.toInt(&ok);
    return ok && id > 0 && QString::number(id) == name;
}

QList<int> IdFilesOf(const QString& dir) {
    QList<int> ids;
    for (const QString& name : QDir(dir).entryList(QDir::Files)) {
        if (IsIdName(name)) ids.append(name.toInt());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString& error) {
    // An unchanged file keeps its time stamp and spares a disk sync.
    if (QFile existing(path); existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly) &&
                              existing.readAll() == bytes)
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("%1: cannot be written").arg(path);
        return false;
    }
    return true;
}

}  // namespace

QByteArray QuestionDocumentBytes(const SourceQuestion& question) {
    // Only the pictures the question shows: a solution's own must not reach the learner before
    // marking.
    const QSet<QString> shown = ImageSources(question.html);
    QList<ArchivePart> pictures;
    for (const SourceFigure& figure : question.figures) {
        if (!shown.contains(figure.fileName)) continue;
        pictures.append({figure.fileName, QByteArrayLiteral("image/gif"), EncodeGif(PaintFigure(figure))});
    }
    return BuildMhtArchive(QStringLiteral("Question %1").arg(question.id), QuestionPageHtml(question), pictures);
}

QByteArray SolutionDocumentBytes(const SourceQuestion& question) {
    if (question.solution.isEmpty()) return {};
    const QSet<QString> shown = ImageSources(question.solution);
    QList<ArchivePart> pictures;
    for (const SourceFigure& figure : question.figures) {
        if (!shown.contains(figure.fileName)) continue;
        pictures.append({figure.fileName, QByteArrayLiteral("image/gif"), EncodeGif(PaintFigure(figure))});
    }
    return BuildMhtArchive(QStringLiteral("How to work it out: question %1").arg(question.id),
                           SolutionPageHtml(question), pictures);
}

bool WritePackage(const Course& course, const QString& outDir, QString& error) {
    if (!QDir().mkpath(outDir)) {
        error = QStringLiteral("%1: cannot be made").arg(outDir);
        return false;
    }
    const int m = course.catalogue.module;
    QList<std::pair<int, QByteArray>> tables = {
        {kCatalogueId, CatalogueBytes(course.catalogue)},
        {PaperTableId(m), PaperTableBytes(course)},
        {AnswerKeyId(m), AnswerKeyBytes(course)},
        {AnswerKindTableId(m), AnswerKindBytes(course)},
        {MarksTableId(m), MarksTableBytes(course)},
    };
    for (ResultsFile file : kAllResultsFiles)
        tables.append({ResultsTemplateId(m, static_cast<int>(file)),
                       ResultsTemplateBytes(file, PartsPerPaper(course))});
    QSet<int> written;
    for (const auto& [id, bytes] : tables) {
        if (!WriteFile(outDir + '/' + QString::number(id), bytes, error)) return false;
        written.insert(id);
    }
    for (const SourcePaper& paper : course.papers) {
        for (const SourceQuestion& question : paper.questions) {
            if (!WriteFile(outDir + '/' + QString::number(question.id), QuestionDocumentBytes(question), error))
                return false;
            written.insert(question.id);
            const QByteArray solution = SolutionDocumentBytes(question);
            if (solution.isEmpty()) continue;
            const int solutionId = SolutionId(question.id);
            if (!WriteFile(outDir + '/' + QString::number(solutionId), solution, error)) return false;
            written.insert(solutionId);
        }
    }
    RemovePackageFiles(outDir, written, kLastSkinId);
    return true;
}

void RemovePackageFiles(const QString& dir, const QSet<int>& keep, int keepUpTo) {
    for (int id : IdFilesOf(dir)) {
        if (id > keepUpTo && !keep.contains(id)) QFile::remove(dir + '/' + QString::number(id));
    }
}

QByteArray PackageQrc(const QString& packageDir) {
    const QString absolute = QDir(packageDir).absolutePath();
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/package\">\n";
    for (int id : IdFilesOf(packageDir)) {
        // The skin pictures are read at every start: stored as they are, they are read in place
        // with nothing to unpack. The question documents and tables pack well and are read one
        // at a time.
        const QByteArray stored = id <= kLastSkinId ? " compression-algorithm=\"none\"" : "";
        qrc += "  <file alias=\"" + QByteArray::number(id) + "\"" + stored + ">" +
               (absolute + '/' + QString::number(id)).toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}
