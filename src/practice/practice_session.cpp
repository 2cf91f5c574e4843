#include "practice/practice_session.h"

#include "content/extract_resource.h"
#include "marking/alternatives.h"
#include "marking/answers_to_show.h"
#include "marking/scoring.h"

namespace {

const QString kMarked = QStringLiteral("1");
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QString At(const QStringList& list, qsizetype index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

// The paper's fields of a per-paper file read as a record line list.
QStringList PaperFields(const QStringList& lines, int paperIndex, int partCount) {
    return SplitRecordFields(At(lines, paperIndex - 1), partCount);
}

// A stored answer must never break its record: no separators, no line breaks, Latin-1 only.
QString StorableAnswer(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('>') || c == QLatin1Char('#') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n') || c.unicode() > 0xFF)
            continue;
        out += c;
    }
    return out;
}

QString& FieldOf(QStringList& record, int paperIndex, int paperCount) {
    if (record.size() < paperCount) record.resize(paperCount);
    return record[paperIndex - 1];
}

}  // namespace

bool PracticeSession::Load(const PracticeInputs& inputs) {
    const PaperContent content =
        LoadPaperContent(inputs.programFolder, inputs.module, inputs.paperNumber);
    return LoadFromContent(inputs, content);
}

bool PracticeSession::LoadFromContent(const PracticeInputs& inputs, const PaperContent& content) {
    state_ = PracticeState();
    state_.inputs = inputs;
    state_.paperNumber = inputs.paperNumber;
    bool numberOk = false;
    state_.paperIndex = inputs.paperNumber.toInt(&numberOk) - 100;
    if (!numberOk || inputs.paperCount < 1 || inputs.paperCount > kPaperCapacity ||
        state_.paperIndex < 1 || state_.paperIndex > inputs.paperCount || !content.complete() ||
        content.keys.size() > kPartCapacity)
        return false;

    state_.questionIds = content.questionIds;
    state_.partsPerQuestion = content.partsPerQuestion;
    state_.keys = content.keys;
    state_.kinds = content.kinds;
    state_.marks = content.marks;
    state_.partCount = static_cast<int>(content.keys.size());
    state_.totalMarks = TotalMarks(content.marks);

    const int papers = inputs.paperCount;
    const int index = state_.paperIndex;
    const int parts = state_.partCount;
    if (isSecondAttempt()) {
        const QStringList firstResultsLines =
            ReadPaperRecordLines(ResultsPath(ResultsFile::FirstResults), papers);
        state_.firstResults = PaperFields(firstResultsLines, index, parts);
        state_.answersLines = ReadPaperRecordLines(ResultsPath(ResultsFile::Second), papers);
        state_.answers = PaperFields(state_.answersLines, index, parts);
        state_.resultsLines = ReadPaperRecordLines(ResultsPath(ResultsFile::SecondResults), papers);
        state_.results = PaperFields(state_.resultsLines, index, parts);
        const QStringList firstAnswersLines =
            ReadPaperRecordLines(ResultsPath(ResultsFile::First), papers);
        state_.firstAnswers = PaperFields(firstAnswersLines, index, parts);
        // In memory only: the files learn of it at the next save or marking.
        for (int i = 0; i < parts; ++i) {
            if (state_.firstResults.at(i) == QLatin1String("Y")) {
                state_.answers[i] = state_.firstAnswers.at(i);
                state_.results[i] = QStringLiteral("Y");
            }
        }
    } else {
        state_.answersLines = ReadPaperRecordLines(ResultsPath(ResultsFile::First), papers);
        state_.answers = PaperFields(state_.answersLines, index, parts);
        state_.resultsLines = ReadPaperRecordLines(ResultsPath(ResultsFile::FirstResults), papers);
        state_.results = PaperFields(state_.resultsLines, index, parts);
    }

    const QString marksPath = ResultsPath(ResultsFile::Marks);
    MarksRecords& records = state_.marksRecords;
    records.fse = ReadRecordFields(marksPath, QStringLiteral("FSE"), papers);
    records.sse = ReadRecordFields(marksPath, QStringLiteral("SSE"), papers);
    records.ltm = ReadRecordFields(marksPath, QStringLiteral("LTM"), papers);
    records.cdd = ReadRecordFields(marksPath, QStringLiteral("CDD"), papers);
    records.fst = ReadRecordFields(marksPath, QStringLiteral("FST"), papers);
    records.sst = ReadRecordFields(marksPath, QStringLiteral("SST"), papers);

    if (isSecondAttempt()) {
        state_.status = At(records.sst, index - 1);
        state_.scoring = At(records.sse, index - 1);
    } else {
        state_.status = At(records.fst, index - 1);
        state_.scoring = At(records.fse, index - 1);
        state_.timeTaken = At(records.ltm, index - 1);
        state_.dateCompleted = At(records.cdd, index - 1);
    }
    state_.currentQuestion = 1;
    return true;
}

QString PracticeSession::Caption() const {
    const int position = state_.paperIndex - state_.inputs.topicCount + 1;
    return state_.inputs.topicName + QStringLiteral(" - Paper ") + QString::number(position);
}

int PracticeSession::PartOffset(int question) const {
    if (question < 1 || question > state_.partsPerQuestion.size()) return 0;
    int offset = 0;
    for (int q = 0; q < question - 1; ++q) offset += state_.partsPerQuestion.at(q);
    return offset;
}

int PracticeSession::PartCount(int question) const {
    if (question < 1 || question > state_.partsPerQuestion.size()) return 0;
    return state_.partsPerQuestion.at(question - 1);
}

QString PracticeSession::QuestionFilePath(int question) const {
    if (question < 1 || question > state_.questionIds.size()) return QString();
    return state_.inputs.programFolder + QStringLiteral("/temppaper") +
           state_.questionIds.at(question - 1) + QStringLiteral(".mht");
}

bool PracticeSession::WriteQuestionDocument(int question) const {
    const QString path = QuestionFilePath(question);
    if (path.isEmpty()) return false;
    bool idOk = false;
    const int id = state_.questionIds.at(question - 1).toInt(&idOk);
    return idOk && ExtractResource(id, QStringLiteral("Custom"), path) == 0;
}

QList<int> PracticeSession::RemainingQuestions() const {
    QList<int> remaining;
    int question = 0;
    int partsThrough = 0;
    for (int i = 0; i < state_.partCount; ++i) {
        while (partsThrough <= i && question < state_.partsPerQuestion.size())
            partsThrough += state_.partsPerQuestion.at(question++);
        if (!TrimSpaces(At(state_.answers, i)).isEmpty()) continue;
        if (remaining.isEmpty() || remaining.last() != question) remaining.append(question);
    }
    return remaining;
}

int PracticeSession::AnsweredCount() const {
    int count = 0;
    for (const QString& answer : state_.answers)
        if (!answer.isEmpty()) ++count;
    return count;
}

bool PracticeSession::NeedsLongConfirmation() const {
    for (int i = 0; i < state_.partCount; ++i)
        if (!IsCarriedOver(i) && At(state_.answers, i).isEmpty()) return true;
    return false;
}

bool PracticeSession::IsCarriedOver(int part) const {
    return isSecondAttempt() && At(state_.firstResults, part) == QLatin1String("Y");
}

QString PracticeSession::AnswerToShow(int part) const {
    return ::AnswerToShow(state_.answers, state_.keys, state_.kinds, part);
}

void PracticeSession::SetAnswer(int part, const QString& text) {
    if (part < 0 || part >= state_.answers.size() || isMarked() || IsCarriedOver(part)) return;
    state_.answers[part] = StorableAnswer(text);
}

void PracticeSession::SetCurrentQuestion(int question) {
    state_.currentQuestion = qBound(1, question, qMax(1, QuestionCount()));
}

bool PracticeSession::SaveAnswers() {
    if (isMarked()) return true;
    return ReplaceRecordAndSave(state_.answersLines, state_.answers, state_.paperIndex,
                                state_.paperNumber, state_.inputs.paperCount, AnswersPath());
}

MarkOutcome PracticeSession::Mark(const QDateTime& now, const QDateTime& practiceStart) {
    if (isMarked()) return MarkOutcome::AlreadyMarked;
    if (!ReplaceRecordAndSave(state_.answersLines, state_.answers, state_.paperIndex,
                              state_.paperNumber, state_.inputs.paperCount, AnswersPath()))
        return MarkOutcome::AnswersNotSaved;

    const PaperMarking marking = MarkParts(state_.answers, state_.keys, state_.kinds, state_.marks);
    const QString percentage = PercentageText(marking.score, state_.totalMarks);
    const int papers = state_.inputs.paperCount;
    const int index = state_.paperIndex;

    // Only the marks file makes a marking count: until it is written the paper stays unmarked
    // and a later try rewrites the verdicts.
    QStringList resultsLines = state_.resultsLines;
    if (!ReplaceRecordAndSave(resultsLines, marking.results, index, state_.paperNumber, papers,
                              ResultsFilePathOfAttempt()))
        return MarkOutcome::ResultsNotSaved;
    state_.resultsLines = resultsLines;
    state_.results = marking.results;

    MarksRecords records = state_.marksRecords;
    QString trendLine;
    QString timeTaken;
    QString dateCompleted;
    if (isSecondAttempt()) {
        FieldOf(records.sse, index, papers) = percentage;
        FieldOf(records.sst, index, papers) = kMarked;
    } else {
        timeTaken = TimeTakenText(practiceStart.secsTo(now));
        dateCompleted = now.date().toString(kDateFormat);
        trendLine = FindRecordLine(ResultsPath(ResultsFile::Trend), QStringLiteral("TRD"));
        // A trend file without its record starts the record afresh rather than losing it.
        if (trendLine.isEmpty()) trendLine = QStringLiteral("#TRD#");
        FieldOf(records.fse, index, papers) = percentage;
        FieldOf(records.ltm, index, papers) = timeTaken;
        FieldOf(records.cdd, index, papers) = dateCompleted;
        FieldOf(records.fst, index, papers) = kMarked;
        trendLine += QLatin1Char('>') + percentage;
    }
    if (!WriteMarksFile(records, papers, ResultsPath(ResultsFile::Marks)))
        return MarkOutcome::MarksNotSaved;

    state_.marksRecords = records;
    state_.score = marking.score;
    state_.scoring = percentage;
    state_.status = kMarked;
    if (isSecondAttempt()) return MarkOutcome::Marked;
    state_.timeTaken = timeTaken;
    state_.dateCompleted = dateCompleted;
    if (!WriteSingleRecordFile(ResultsPath(ResultsFile::Trend), trendLine))
        return MarkOutcome::TrendNotSaved;
    return MarkOutcome::Marked;
}

QString PracticeSession::ResultsPath(ResultsFile file) const {
    return ResultsFilePath(state_.inputs.programFolder, file, state_.inputs.module,
                           state_.inputs.courseCode);
}

QString PracticeSession::AnswersPath() const {
    return ResultsPath(isSecondAttempt() ? ResultsFile::Second : ResultsFile::First);
}

QString PracticeSession::ResultsFilePathOfAttempt() const {
    return ResultsPath(isSecondAttempt() ? ResultsFile::SecondResults : ResultsFile::FirstResults);
}
