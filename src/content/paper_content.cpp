#include "content/paper_content.h"

#include "content/content_log.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"

#include <QFile>

#include <functional>

namespace {

// Writes one table to the temp file, reads it and deletes the file; a table that cannot be
// written out is not read and leaves the temp file as it was.
void ReadTable(int id, const QString& path, const std::function<void()>& read) {
    // Read at once and deleted: no disk sync needed.
    if (ExtractResource(id, QStringLiteral("Custom"), path, FileSync::None) != ExtractResult::Ok)
        return;
    read();
    if (!QFile::remove(path)) qCWarning(lcContent) << "cannot remove" << path;
}

}  // namespace

bool PaperContent::complete() const {
    if (questionIds.isEmpty() || partsPerQuestion.size() != questionIds.size()) return false;
    qsizetype parts = 0;
    for (int count : partsPerQuestion) {
        if (count <= 0) return false;
        parts += count;
    }
    return keys.size() == parts && kinds.size() == parts && marks.size() == parts;
}

PaperContent LoadPaperContent(const QString& programFolder, int module,
                              const QString& paperNumber) {
    PaperContent content;
    const QString path = programFolder + QStringLiteral("/temptext.txt");
    ReadTable(PaperTableId(module), path,
              [&] { content.questionIds = ReadAllRecordFields(path, paperNumber); });
    ReadTable(AnswerKeyId(module), path, [&] {
        content.keys = ReadFieldsOfKeys(path, content.questionIds);
        content.partsPerQuestion = CountFieldsOfKeys(path, content.questionIds);
    });
    ReadTable(AnswerKindTableId(module), path,
              [&] { content.kinds = ReadFieldsOfKeys(path, content.questionIds); });
    ReadTable(MarksTableId(module), path,
              [&] { content.marks = ReadFieldsOfKeys(path, content.questionIds); });
    return content;
}
