#include "content/paper_content.h"

#include "content/content_log.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"

#include <QFile>

#include <functional>

namespace {

// Writes one table to the temp file, reads it once and deletes the file; the table's lists come
// from its bytes in memory. A table that cannot be written out is not read and leaves the temp
// file as it was.
void ReadTable(int id, const QString& path, const std::function<void(const QByteArray&)>& read) {
    // Read at once and deleted: no disk sync needed.
    if (ExtractResource(id, QStringLiteral("Custom"), path, FileSync::None) != ExtractResult::Ok)
        return;
    const QByteArray bytes = ReadRecordFileBytes(path);
    if (!QFile::remove(path)) qCWarning(lcContent) << "cannot remove" << path;
    read(bytes);
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
    ReadTable(PaperTableId(module), path, [&](const QByteArray& table) {
        content.questionIds = ReadAllRecordFieldsIn(table, paperNumber);
    });
    ReadTable(AnswerKeyId(module), path, [&](const QByteArray& table) {
        FieldsOfKeys key = ReadFieldsOfKeysIn(table, content.questionIds);
        content.keys = std::move(key.fields);
        content.partsPerQuestion = std::move(key.counts);
    });
    ReadTable(AnswerKindTableId(module), path, [&](const QByteArray& table) {
        content.kinds = ReadFieldsOfKeysIn(table, content.questionIds).fields;
    });
    ReadTable(MarksTableId(module), path, [&](const QByteArray& table) {
        content.marks = ReadFieldsOfKeysIn(table, content.questionIds).fields;
    });
    return content;
}
