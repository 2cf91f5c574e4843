#include "practice/practice_session.h"

#include "content/extract_resource.h"
#include "marking/alternatives.h"
#include "marking/answers_to_show.h"
#include "marking/scoring.h"
#include "practice/practice_log.h"
#include "records/storable_text.h"
#include "results/marking_journal.h"

namespace {

const QString kMarked = QStringLiteral("1");

QString At(const QStringList& list, qsizetype index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

// The paper's fields of a per-paper file read as a record line list.
QStringList PaperFields(const QStringList& lines, int paperIndex, int partCount) {
    return SplitRecordFields(At(lines, paperIndex - 1), partCount);
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
        const QStringList firstResultsLines = ReadRecords(ResultsFile::FirstResults);
        state_.firstResults = PaperFields(firstResultsLines, index, parts);
        state_.answersLines = ReadRecords(ResultsFile::Second);
        state_.answers = PaperFields(state_.answersLines, index, parts);
        state_.resultsLines = ReadRecords(ResultsFile::SecondResults);
        state_.results = PaperFields(state_.resultsLines, index, parts);
        const QStringList firstAnswersLines = ReadRecords(ResultsFile::First);
        state_.firstAnswers = PaperFields(firstAnswersLines, index, parts);
        // In memory only: the files learn of it at the next save or marking.
        for (int i = 0; i < parts; ++i) {
            if (state_.firstResults.at(i) == QLatin1String("Y")) {
                state_.answers[i] = state_.firstAnswers.at(i);
                state_.results[i] = QStringLiteral("Y");
            }
        }
    } else {
        state_.answersLines = ReadRecords(ResultsFile::First);
        state_.answers = PaperFields(state_.answersLines, index, parts);
        state_.resultsLines = ReadRecords(ResultsFile::FirstResults);
        state_.results = PaperFields(state_.resultsLines, index, parts);
    }

    state_.marksRecords = ReadMarksFile(ResultsPath(ResultsFile::Marks), papers);
    const MarksRecords& records = state_.marksRecords;

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
    // Deleted when the window closes: no disk sync needed.
    return idOk &&
           ExtractResource(id, QStringLiteral("Custom"), path, FileSync::None) == ExtractResult::Ok;
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
    state_.answers[part] = StorableFieldText(text);
}

void PracticeSession::SetCurrentQuestion(int question) {
    state_.currentQuestion = qBound(1, question, qMax(1, QuestionCount()));
}

bool PracticeSession::SaveAnswers() {
    if (isMarked()) return true;
    if (ReplaceRecordAndSave(state_.answersLines, state_.answers, state_.paperIndex,
                             state_.paperNumber, state_.inputs.paperCount, AnswersPath()))
        return true;
    qCWarning(lcPractice) << "the answers of paper" << state_.paperNumber << "were not saved";
    return false;
}

MarkOutcome PracticeSession::Mark(const QDateTime& now, const QDateTime& practiceStart) {
    if (isMarked()) return MarkOutcome::AlreadyMarked;
    const int papers = state_.inputs.paperCount;
    const int index = state_.paperIndex;
    QStringList answersLines = state_.answersLines;
    if (!ReplaceRecord(answersLines, state_.answers, index, state_.paperNumber, papers))
        return MarkOutcome::AnswersNotSaved;

    const PaperMarking marking = MarkParts(state_.answers, state_.keys, state_.kinds, state_.marks);
    const QString percentage = PercentageText(marking.score, state_.totalMarks);
    QStringList resultsLines = state_.resultsLines;
    ReplaceRecord(resultsLines, marking.results, index, state_.paperNumber, papers);

    MarksRecords records = state_.marksRecords;
    QString trendLine;
    QString timeTaken;
    QString dateCompleted;
    if (isSecondAttempt()) {
        FieldOf(records.sse, index, papers) = percentage;
        FieldOf(records.sst, index, papers) = kMarked;
    } else {
        timeTaken = TimeTakenText(practiceStart.secsTo(now));
        dateCompleted = ShortDateText(now.date());
        trendLine = FindRecordLine(ResultsPath(ResultsFile::Trend), QStringLiteral("TRD"));
        // A trend file without its record starts the record afresh rather than losing it.
        if (trendLine.isEmpty()) trendLine = QStringLiteral("#TRD#");
        FieldOf(records.fse, index, papers) = percentage;
        FieldOf(records.ltm, index, papers) = timeTaken;
        FieldOf(records.cdd, index, papers) = dateCompleted;
        FieldOf(records.fst, index, papers) = kMarked;
        trendLine += QLatin1Char('>') + percentage;
    }

    // All of them or none: a marking half written would leave a paper marked without its
    // trend entry, or verdicts for a paper still unmarked.
    QList<FileWrite> writes = {{AnswersPath(), PaperFileBytes(answersLines, papers)},
                               {ResultsFilePathOfAttempt(), PaperFileBytes(resultsLines, papers)},
                               {ResultsPath(ResultsFile::Marks), MarksFileBytes(records, papers)}};
    if (!isSecondAttempt())
        writes.append({ResultsPath(ResultsFile::Trend), SingleRecordFileBytes(trendLine)});
    const AllOrNothingResult written = WriteAllOrNothing(state_.inputs.programFolder, writes);
    if (!written.ok()) {
        qCWarning(lcPractice) << "paper" << state_.paperNumber << "was not marked: write"
                              << written.failedIndex << "failed";
        static constexpr MarkOutcome kFailure[] = {
            MarkOutcome::AnswersNotSaved, MarkOutcome::ResultsNotSaved, MarkOutcome::MarksNotSaved,
            MarkOutcome::TrendNotSaved};
        return written.failedIndex < writes.size() ? kFailure[written.failedIndex]
                                                   : MarkOutcome::AnswersNotSaved;
    }

    state_.answersLines = answersLines;
    state_.resultsLines = resultsLines;
    state_.results = marking.results;
    state_.marksRecords = records;
    state_.score = marking.score;
    state_.scoring = percentage;
    state_.status = kMarked;
    if (!isSecondAttempt()) {
        state_.timeTaken = timeTaken;
        state_.dateCompleted = dateCompleted;
    }
    return MarkOutcome::Marked;
}

QString PracticeSession::ResultsPath(ResultsFile file) const {
    return ResultsFilePath(state_.inputs.programFolder, file, state_.inputs.module,
                           state_.inputs.courseCode);
}

QStringList PracticeSession::ReadRecords(ResultsFile file) const {
    return ReadPerPaperRecords(ResultsPath(file), file, state_.inputs.module,
                               state_.inputs.paperCount);
}

QString PracticeSession::AnswersPath() const {
    return ResultsPath(isSecondAttempt() ? ResultsFile::Second : ResultsFile::First);
}

QString PracticeSession::ResultsFilePathOfAttempt() const {
    return ResultsPath(isSecondAttempt() ? ResultsFile::SecondResults : ResultsFile::FirstResults);
}

QString ShortDateText(const QDate& date, const QLocale& locale) {
    const QString text = locale.toString(date, QLocale::ShortFormat);
    if (!text.isEmpty() && IsStorableFieldText(text)) return text;
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}
