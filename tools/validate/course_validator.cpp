#include "course_validator.h"

#include "content/course_shape.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "course_figures.h"
#include "marking/answer_kind.h"
#include "platform/mht_document.h"
#include "records/record_file.h"
#include "results/results_files.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

constexpr int kMaxPartsPerPaper = 80;

struct RecordLine {
    QString key;
    QStringList fields;
    int line = 0;  // 1-based line of the file
};

// A record file split strictly: every line but the last ends in CR LF; lines that carry no
// record (the "..." fences, a line of dashes) are kept out of `records`.
struct RecordFile {
    bool present = false;
    QStringList lines;
    QList<RecordLine> records;
    bool lastLineTerminated = false;
    bool loneLineFeed = false;

    const RecordLine* find(const QString& key) const {
        for (const RecordLine& record : records) {
            if (record.key == key) return &record;
        }
        return nullptr;
    }
};

RecordFile ParseRecords(const QByteArray& bytes) {
    RecordFile file;
    if (bytes.isNull()) return file;
    file.present = true;
    QString text = QString::fromLatin1(bytes);
    file.lastLineTerminated = text.endsWith(QLatin1String("\r\n"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    file.loneLineFeed = text.contains('\n');
    file.lines = text.split('\r');
    if (file.lastLineTerminated) file.lines.removeLast();
    static const QRegularExpression record(QStringLiteral("^#([^#>]+)#((>[^>]*)*)$"));
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        const auto match = record.match(file.lines[i]);
        if (!match.hasMatch()) continue;
        RecordLine parsed{match.captured(1), {}, static_cast<int>(i + 1)};
        const QString fields = match.captured(2);
        if (!fields.isEmpty()) parsed.fields = fields.mid(1).split('>');
        file.records.append(parsed);
    }
    return file;
}

class Checker {
  public:
    explicit Checker(const PackageReader& read) : read_(read) {}

    QStringList problems;

    void problem(const QString& text) { problems.append(text); }

    RecordFile table(int id) {
        RecordFile file = ParseRecords(read_(id));
        if (!file.present) problem(QStringLiteral("%1: missing").arg(id));
        return file;
    }

    // First and last lines "...", the last without a line end, lines ending in CR LF only.
    void checkFenced(int id, const RecordFile& file) {
        if (!file.present) return;
        if (file.lines.isEmpty() || file.lines.first() != QLatin1String("..."))
            problem(QStringLiteral("%1: the first line is not \"...\"").arg(id));
        if (file.lines.isEmpty() || file.lines.last() != QLatin1String("...") ||
            file.lastLineTerminated)
            problem(QStringLiteral("%1: the last line is not \"...\" without a line end").arg(id));
        if (file.loneLineFeed) problem(QStringLiteral("%1: a line ends in LF without CR").arg(id));
    }

    QByteArray bytes(int id) { return read_(id); }

  private:
    const PackageReader& read_;
};

struct ModuleContent {
    int module = 0;
    int paperCount = 0;
    QList<QStringList> paperQuestions;  // paper index - 1
    QHash<QString, QStringList> keys, kinds, marks;
    QHash<QString, int> keyLines, kindLines;  // the line of each question's record
};

int ModuleOf(const RecordFile& catalogue) {
    const char* const labels[kModuleCount] = {"LAH", "LBH", "LCH"};
    for (int m = 1; m <= kModuleCount; ++m) {
        const RecordLine* label = catalogue.find(QLatin1String(labels[m - 1]));
        if (label != nullptr && !label->fields.value(0).isEmpty()) return m;
    }
    return 0;
}

void CheckCatalogue(Checker& check, ModuleContent& content) {
    const RecordFile catalogue = check.table(kCatalogueId);
    if (!catalogue.present) return;
    check.checkFenced(kCatalogueId, catalogue);
    static const QRegularExpression dashes(QStringLiteral("^-+$"));
    if (!std::any_of(catalogue.lines.cbegin(), catalogue.lines.cend(),
                     [](const QString& line) { return dashes.match(line).hasMatch(); }))
        check.problem(QStringLiteral("30000: no line of dashes"));
    for (const char* key : {"NME", "COD"}) {
        const RecordLine* record = catalogue.find(QLatin1String(key));
        if (record == nullptr || record->fields.size() != 1 || record->fields[0].isEmpty())
            check.problem(
                QStringLiteral("30000: %1 must hold one non-empty field").arg(QLatin1String(key)));
    }
    content.module = ModuleOf(catalogue);
    if (content.module == 0) {
        check.problem(QStringLiteral("30000: no module has a label"));
        return;
    }
    const int m = content.module;
    const RecordLine* topics = catalogue.find(QStringLiteral("TT%1").arg(m));
    const RecordLine* papers = catalogue.find(QStringLiteral("TP%1").arg(m));
    const RecordLine* names = catalogue.find(QStringLiteral("TN%1").arg(m));
    const int numberOfTopics = topics != nullptr ? topics->fields.value(0).toInt() : 0;
    content.paperCount = papers != nullptr ? papers->fields.value(0).toInt() : 0;
    if (numberOfTopics < 1 || numberOfTopics > kTopicNameCapacity)
        check.problem(QStringLiteral("30000: TT%1 must be 1 to %2").arg(m).arg(kTopicNameCapacity));
    if (content.paperCount != kPapersPerTopic * numberOfTopics)
        check.problem(QStringLiteral("30000: TP%1 must be five papers per topic").arg(m));
    if (names == nullptr || names->fields.size() != numberOfTopics ||
        std::any_of(names->fields.cbegin(), names->fields.cend(),
                    [](const QString& n) { return n.isEmpty(); }))
        check.problem(QStringLiteral("30000: TN%1 must hold TT%1 topic names").arg(m));
    content.paperCount = std::clamp(content.paperCount, 0, kPaperCapacity);
}

void CheckPaperTable(Checker& check, ModuleContent& content) {
    const int id = PaperTableId(content.module);
    const RecordFile table = check.table(id);
    if (!table.present) return;
    check.checkFenced(id, table);
    if (table.records.size() != content.paperCount)
        check.problem(QStringLiteral("%1: %2 papers, the catalogue says %3")
                          .arg(id)
                          .arg(table.records.size())
                          .arg(content.paperCount));
    QSet<QString> seen;
    static const QRegularExpression questionId(QStringLiteral("^[0-9]{5}$"));
    for (int index = 1; index <= content.paperCount; ++index) {
        const RecordLine* record =
            index <= table.records.size() ? &table.records[index - 1] : nullptr;
        const QString paper = QString::number(100 + index);
        if (record == nullptr || record->key != paper) {
            check.problem(
                QStringLiteral("%1: record %2 is missing or out of order").arg(id).arg(paper));
            content.paperQuestions.append(QStringList());
            continue;
        }
        if (record->fields.isEmpty())
            check.problem(QStringLiteral("%1: paper %2 has no question").arg(id).arg(paper));
        for (const QString& question : record->fields) {
            const int number = question.toInt();
            if (!questionId.match(question).hasMatch() || number < kFirstQuestionId ||
                number > kLastQuestionId)
                check.problem(QStringLiteral("%1: paper %2: '%3' is not a question id")
                                  .arg(id)
                                  .arg(paper, question));
            else if (seen.contains(question))
                check.problem(
                    QStringLiteral("%1: question %2 is used twice").arg(id).arg(question));
            else if (check.bytes(number).isNull())
                check.problem(
                    QStringLiteral("%1: question %2 has no document").arg(id).arg(question));
            seen.insert(question);
        }
        content.paperQuestions.append(record->fields);
    }
}

// One of the three answer tables: every question of the paper table, in paper order.
QHash<QString, QStringList> CheckAnswerTable(Checker& check, const ModuleContent& content, int id,
                                             QHash<QString, int>* lines = nullptr) {
    QHash<QString, QStringList> fields;
    const RecordFile table = check.table(id);
    if (!table.present) return fields;
    check.checkFenced(id, table);
    QStringList expected;
    for (const QStringList& questions : content.paperQuestions) expected += questions;
    qsizetype position = 0;
    for (const RecordLine& record : table.records) {
        if (position < expected.size() && record.key == expected[position]) {
            fields.insert(record.key, record.fields);
            if (lines) lines->insert(record.key, record.line);
            ++position;
        } else {
            check.problem(
                QStringLiteral("%1: record %2 is not the next question of the paper table")
                    .arg(id)
                    .arg(record.key));
            return fields;
        }
    }
    if (position < expected.size())
        check.problem(QStringLiteral("%1: question %2 and %3 later ones are missing")
                          .arg(id)
                          .arg(expected[position])
                          .arg(expected.size() - position - 1));
    return fields;
}

// The keys and kinds of one question: every kind one the marking knows, every key non-empty
// except a group follower (one space after a part of its own kind). `previousKind` is the kind
// of the paper's part before the question's first, and afterwards of its last part. A problem
// names the table and line it is on.
void CheckKeysAndKinds(Checker& check, const ModuleContent& content, const QString& question,
                       std::optional<AnswerKind>& previousKind) {
    const QStringList keys = content.keys.value(question);
    const QStringList kinds = content.kinds.value(question);
    const QString kindsAt = QStringLiteral("%1:%2")
                                .arg(AnswerKindTableId(content.module))
                                .arg(content.kindLines.value(question));
    const QString keysAt = QStringLiteral("%1:%2")
                               .arg(AnswerKeyId(content.module))
                               .arg(content.keyLines.value(question));
    for (qsizetype k = 0; k < keys.size() && k < kinds.size(); ++k) {
        const std::optional<AnswerKind> kind = AnswerKindOfLetter(kinds[k]);
        if (!kind)
            check.problem(QStringLiteral("%1: question %2: unknown kind '%3' (the kinds are %4)")
                              .arg(kindsAt, question, kinds[k], KnownKindLetters()));
        const bool follower =
            kind && RuleOf(*kind).keyMayFollowGroup && keys[k] == QLatin1String(" ");
        if (follower && previousKind != kind)
            check.problem(
                QStringLiteral("%1: question %2: a key of one space follows no part of kind %3")
                    .arg(keysAt, question, kinds[k]));
        else if (!follower && keys[k].trimmed().isEmpty())
            check.problem(QStringLiteral("question %1 has an empty key").arg(question));
        previousKind = kind;
    }
}

void CheckAnswerTables(Checker& check, ModuleContent& content) {
    const int m = content.module;
    content.keys = CheckAnswerTable(check, content, AnswerKeyId(m), &content.keyLines);
    content.kinds = CheckAnswerTable(check, content, AnswerKindTableId(m), &content.kindLines);
    content.marks = CheckAnswerTable(check, content, MarksTableId(m));
    static const QRegularExpression positive(QStringLiteral("^[1-9][0-9]*$"));
    for (int index = 1; index <= content.paperQuestions.size(); ++index) {
        int parts = 0;
        std::optional<AnswerKind> previousKind;
        for (const QString& question : content.paperQuestions[index - 1]) {
            const QStringList keys = content.keys.value(question);
            const QStringList kinds = content.kinds.value(question);
            const QStringList marks = content.marks.value(question);
            if (!content.keys.contains(question) || !content.kinds.contains(question) ||
                !content.marks.contains(question))
                continue;  // already reported as missing
            if (keys.isEmpty())
                check.problem(QStringLiteral("question %1 has no answer part").arg(question));
            if (kinds.size() != keys.size() || marks.size() != keys.size())
                check.problem(QStringLiteral("question %1: %2 keys, %3 kinds, %4 marks")
                                  .arg(question)
                                  .arg(keys.size())
                                  .arg(kinds.size())
                                  .arg(marks.size()));
            CheckKeysAndKinds(check, content, question, previousKind);
            for (const QString& mark : marks) {
                if (!positive.match(mark).hasMatch())
                    check.problem(
                        QStringLiteral("question %1: marks '%2' is not a positive whole number")
                            .arg(question, mark));
            }
            parts += static_cast<int>(keys.size());
        }
        if (parts > kMaxPartsPerPaper)
            check.problem(QStringLiteral("paper %1 has %2 parts, more than %3")
                              .arg(100 + index)
                              .arg(parts)
                              .arg(kMaxPartsPerPaper));
    }
}

int PartsOfPaper(const ModuleContent& content, int index) {
    int parts = 0;
    for (const QString& question : content.paperQuestions.value(index - 1))
        parts += static_cast<int>(content.keys.value(question).size());
    return parts;
}

// Each template as the results file's codec writes it for the content's part counts.
void CheckTemplates(Checker& check, const ModuleContent& content) {
    const int m = content.module;
    QList<int> parts;
    for (int index = 1; index <= content.paperCount; ++index)
        parts.append(PartsOfPaper(content, index));
    for (ResultsFile file : kAllResultsFiles) {
        const int id = ResultsTemplateId(m, static_cast<int>(file));
        const QByteArray bytes = ResultsTemplateBytes(file, parts);
        const QByteArray actual = check.bytes(id);
        if (actual.isNull())
            check.problem(QStringLiteral("%1: missing").arg(id));
        else if (actual != bytes)
            check.problem(
                QStringLiteral("%1: does not match the papers' part counts (%2 bytes, expected %3)")
                    .arg(id)
                    .arg(actual.size())
                    .arg(bytes.size()));
    }
}

void CheckGraphics(Checker& check) {
    QList<int> missing;
    for (int id : GraphicIds()) {
        if (check.bytes(id).isNull()) missing.append(id);
    }
    // The skin pictures come as one set; a partial set means a picture went astray.
    if (!missing.isEmpty() && missing.size() != GraphicIds().size())
        check.problem(QStringLiteral("%1 of the skin pictures are missing, the first %2")
                          .arg(missing.size())
                          .arg(missing.first()));
}

// One worked solution per question of the paper table, at SolutionId(question): an archive the
// document view reads, every picture its page shows in it and readable; and none in the range
// for a question the paper table lacks (the learner could never reach it, and a stray one is
// most likely a renumbered question's old solution).
void CheckSolutions(Checker& check, const ModuleContent& content) {
    QSet<int> questions;
    for (const QStringList& paper : content.paperQuestions)
        for (const QString& question : paper) questions.insert(question.toInt());
    for (int solutionId = kFirstSolutionId; solutionId <= kLastSolutionId; ++solutionId) {
        const int question = QuestionIdOfSolution(solutionId);
        const QByteArray bytes = check.bytes(solutionId);
        if (!questions.contains(question)) {
            if (!bytes.isNull())
                check.problem(QStringLiteral("%1: a solution for question %2, which no paper has")
                                  .arg(solutionId)
                                  .arg(question));
            continue;
        }
        if (bytes.isNull()) {
            check.problem(
                QStringLiteral("%1: question %2 has no solution").arg(solutionId).arg(question));
            continue;
        }
        const MhtReadResult read = ReadMhtBytes(bytes);
        if (!read.ok || read.document.html.trimmed().isEmpty()) {
            check.problem(QStringLiteral("%1: the solution of question %2 cannot be read: %3")
                              .arg(solutionId)
                              .arg(question)
                              .arg(read.ok ? QStringLiteral("no page") : read.error));
            continue;
        }
        for (const QString& picture : ImageReferences(read.document.html)) {
            const QByteArray image = read.document.resolve(picture);
            if (image.isNull())
                check.problem(QStringLiteral("%1: the solution of question %2 lacks its picture %3")
                                  .arg(solutionId)
                                  .arg(question)
                                  .arg(picture));
            else if (QImage::fromData(image).isNull())
                check.problem(
                    QStringLiteral("%1: the solution of question %2: picture %3 cannot be read")
                        .arg(solutionId)
                        .arg(question)
                        .arg(picture));
        }
    }
}

ModuleContent ReadAndCheck(Checker& check) {
    ModuleContent content;
    CheckCatalogue(check, content);
    if (content.module == 0) return content;
    CheckPaperTable(check, content);
    CheckAnswerTables(check, content);
    CheckTemplates(check, content);
    CheckSolutions(check, content);
    CheckGraphics(check);
    return content;
}

void Expect(QStringList& problems, bool condition, const QString& text) {
    if (!condition) problems.append(text);
}

}  // namespace

PackageReader PackageFolderReader(const QString& folder) {
    return [folder](int id) -> QByteArray {
        QFile file(QStringLiteral("%1/%2").arg(folder).arg(id));
        if (!file.open(QIODevice::ReadOnly)) return {};
        QByteArray bytes = file.readAll();
        if (bytes.isNull()) bytes = QByteArray("");
        return bytes;
    };
}

PackageReader EmbeddedPackageReader() {
    return [](int id) -> QByteArray {
        if (!ResourceExists(id)) return {};
        QByteArray bytes = ResourceBytes(id);
        if (bytes.isNull()) bytes = QByteArray("");
        return bytes;
    };
}

QStringList CheckPackageRules(const PackageReader& read) {
    Checker check(read);
    ReadAndCheck(check);
    return check.problems;
}

QStringList CheckCourseFigures(const PackageReader& read) {
    Checker check(read);
    const ModuleContent content = ReadAndCheck(check);
    QStringList problems;
    const RecordFile catalogue = ParseRecords(read(kCatalogueId));
    auto field = [&](const char* key) {
        const RecordLine* record = catalogue.find(QLatin1String(key));
        return record != nullptr ? record->fields.join('>') : QString();
    };
    Expect(problems, field("NME") == QLatin1String("Home Maths Quiz"),
           QStringLiteral("NME is not \"Home Maths Quiz\""));
    Expect(problems, field("COD") == QLatin1String("HM"), QStringLiteral("COD is not \"HM\""));
    Expect(problems,
           field("LAH").isEmpty() && field("LCH").isEmpty() &&
               field("LBH") == QLatin1String("Practice"),
           QStringLiteral("the only module label must be LBH \"Practice\""));
    Expect(problems, field("TT2") == QLatin1String("10") && field("TP2") == QLatin1String("50"),
           QStringLiteral("TT2 must be 10 and TP2 50"));
    Expect(problems,
           field("TN2") ==
               QLatin1String("Whole Numbers>Decimals>Fractions>Area and Perimeter>Volume>Geometry>"
                             "Percentage>Ratio and Proportions>Rate and Speed>Algebra"),
           QStringLiteral("TN2 does not name the ten topics in order"));
    if (content.module != 2 || content.paperQuestions.size() != 50) {
        problems.append(QStringLiteral("the course must have module 2 with 50 papers"));
        return problems;
    }

    namespace fig = coursefigures;
    int questions = 0;
    QMap<int, int> questionsByPartCount;
    QMap<QString, int> kinds;
    int twelves = 0;
    bool trailingSpace = false;
    for (int index = 1; index <= 50; ++index) {
        const int paper = 100 + index;
        const QStringList& ids = content.paperQuestions[index - 1];
        questions += static_cast<int>(ids.size());
        Expect(problems, ids.size() == fig::questionsOf(paper),
               QStringLiteral("paper %1 holds %2 questions").arg(paper).arg(ids.size()));
        const int expectedParts = fig::partsOf(paper);
        Expect(problems, PartsOfPaper(content, index) == expectedParts,
               QStringLiteral("paper %1 has %2 parts, not %3")
                   .arg(paper)
                   .arg(PartsOfPaper(content, index))
                   .arg(expectedParts));
        int total = 0;
        for (const QString& id : ids) {
            ++questionsByPartCount[static_cast<int>(content.keys.value(id).size())];
            for (const QString& kind : content.kinds.value(id)) ++kinds[kind];
            for (const QString& mark : content.marks.value(id)) {
                const int value = mark.toInt();
                total += value;
                if (value == 12)
                    ++twelves;
                else
                    Expect(problems, value >= 1 && value <= 3,
                           QStringLiteral("question %1 has a part worth %2").arg(id, mark));
            }
            for (const QString& key : content.keys.value(id))
                trailingSpace = trailingSpace || key.endsWith(' ');
        }
        Expect(problems, total >= fig::kMinTotal && total <= fig::kMaxTotal,
               QStringLiteral("paper %1 totals %2 marks").arg(paper).arg(total));
        for (const fig::FixedTotal& fixed : fig::kFixedTotals)
            if (fixed.paper == paper)
                Expect(problems, total == fixed.total,
                       QStringLiteral("paper %1 totals %2, not %3")
                           .arg(paper)
                           .arg(total)
                           .arg(fixed.total));
    }
    Expect(problems, questions == fig::kQuestions,
           QStringLiteral("%1 questions, not %2").arg(questions).arg(fig::kQuestions));
    Expect(problems,
           questionsByPartCount.value(1) == fig::kOnePart &&
               questionsByPartCount.value(2) == fig::kTwoParts &&
               questionsByPartCount.value(3) == fig::kThreeParts &&
               questionsByPartCount.value(4) == fig::kFourParts && questionsByPartCount.size() == 4,
           QStringLiteral("questions by part count are not %1, %2, %3 and %4")
               .arg(fig::kOnePart)
               .arg(fig::kTwoParts)
               .arg(fig::kThreeParts)
               .arg(fig::kFourParts));
    QMap<QString, int> expectedKinds;
    QStringList kindNames;
    for (const fig::KindCount& k : fig::kKinds) {
        expectedKinds.insert(QString(QLatin1Char(k.kind)), k.count);
        kindNames.append(QStringLiteral("%1 %2").arg(QLatin1Char(k.kind)).arg(k.count));
    }
    Expect(problems, kinds == expectedKinds,
           QStringLiteral("the kind counts are not ") + kindNames.join(QStringLiteral(", ")));
    Expect(problems, twelves == 1, QStringLiteral("%1 parts are worth 12, not one").arg(twelves));
    Expect(problems, trailingSpace, QStringLiteral("no key is stored with a trailing space"));
    const QStringList& first = content.paperQuestions[0];
    Expect(problems,
           first.value(0) == QLatin1String("22032") &&
               first.value(first.size() - 1) == QLatin1String("22091"),
           QStringLiteral("paper 101 must run from 22032 to 22091"));
    Expect(problems, content.keys.value(QStringLiteral("20134")) == QStringList({"25", "1 1/3"}),
           QStringLiteral("question 20134 must have the keys 25 and 1 1/3"));
    Expect(problems, read(ResultsTemplateId(2, 1)).size() == 450,
           QStringLiteral("the marks template is not 450 bytes"));
    for (int k = 2; k <= 5; ++k)
        Expect(problems, read(ResultsTemplateId(2, k)).size() == 1879,
               QStringLiteral("template %1 is not 1879 bytes").arg(ResultsTemplateId(2, k)));
    Expect(problems, read(ResultsTemplateId(2, 6)) == "#TRD#",
           QStringLiteral("the trend template is not #TRD#"));
    return check.problems + problems;
}
