#include "package_tables.h"

#include <functional>

namespace {

const QByteArray kEnd = QByteArrayLiteral("\r\n");
const QByteArray kFence = QByteArrayLiteral("...");

QByteArray Record(const QByteArray& key, const QList<QByteArray>& fields) {
    QByteArray line = '#' + key + '#';
    for (const QByteArray& field : fields) line += '>' + field;
    return line + kEnd;
}

// Tables and templates open with a "..." line and close with one that has no line end.
QByteArray Fenced(const QByteArray& records) { return kFence + kEnd + records + kFence; }

QByteArray PerQuestionTable(const Course& course, const std::function<QByteArray(const SourcePart&)>& field) {
    QByteArray records;
    for (const SourcePaper& paper : course.papers) {
        for (const SourceQuestion& question : paper.questions) {
            QList<QByteArray> fields;
            for (const SourcePart& part : question.parts) fields.append(field(part));
            records += Record(QByteArray::number(question.id), fields);
        }
    }
    return Fenced(records);
}

}  // namespace

QByteArray CatalogueBytes(const SourceCatalogue& catalogue) {
    const QByteArray m = QByteArray::number(catalogue.module);
    static const char labelKeys[3] = {'A', 'B', 'C'};
    QByteArray records = Record("NME", {catalogue.title.toLatin1()}) + Record("COD", {catalogue.code.toLatin1()});
    records += QByteArray(40, '-') + kEnd;
    records += Record(QByteArray("L") + labelKeys[catalogue.module - 1] + 'H', {catalogue.moduleLabel.toLatin1()});
    records += Record("TT" + m, {QByteArray::number(catalogue.topics.size())});
    records += Record("TP" + m, {QByteArray::number(catalogue.topics.size() * 5)});
    QList<QByteArray> names;
    for (const QString& topic : catalogue.topics) names.append(topic.toLatin1());
    records += Record("TN" + m, names);
    return Fenced(records);
}

QByteArray PaperTableBytes(const Course& course) {
    QByteArray records;
    for (const SourcePaper& paper : course.papers) {
        QList<QByteArray> ids;
        for (const SourceQuestion& question : paper.questions) ids.append(QByteArray::number(question.id));
        records += Record(QByteArray::number(paper.number), ids);
    }
    return Fenced(records);
}

QByteArray AnswerKeyBytes(const Course& course) {
    return PerQuestionTable(course, [](const SourcePart& part) { return part.key.toLatin1(); });
}

QByteArray AnswerKindBytes(const Course& course) {
    return PerQuestionTable(course, [](const SourcePart& part) { return part.kind.toLatin1(); });
}

QByteArray MarksTableBytes(const Course& course) {
    return PerQuestionTable(course, [](const SourcePart& part) { return QByteArray::number(part.marks); });
}

QList<int> PartsPerPaper(const Course& course) {
    QList<int> parts;
    for (const SourcePaper& paper : course.papers) {
        int count = 0;
        for (const SourceQuestion& question : paper.questions) count += static_cast<int>(question.parts.size());
        parts.append(count);
    }
    return parts;
}
