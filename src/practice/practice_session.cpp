#include "practice/practice_session.h"

#include "content/extract_resource.h"
#include "marking/alternatives.h"
#include "marking/answers_to_show.h"
#include "marking/scoring.h"
#include "practice/practice_log.h"
#include "records/file_io.h"
#include "records/storable_text.h"
#include "results/attempt_file.h"
#include "results/marking_journal.h"
#include "results/trend_file.h"

namespace {

QString At(const QStringList& list, qsizetype index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
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
        state_.paperIndex < 1 || state_.paperIndex > inputs.paperCount ||
        content.keys.size() > kPartCapacity)
        return false;
    std::optional<Paper> paper = PaperFromContent(content, inputs.paperNumber);
    if (!paper) return false;
    state_.paper = std::move(*paper);
    state_.totalMarks = TotalMarks(state_.paper.parts);
    if (isSecondAttempt())
        LoadSecondAttempt();
    else
        LoadFirstAttempt();
    LoadMarks();
    state_.currentQuestion = 1;
    m_savedAnswers = AnswersOf(state_.paper.parts);
    m_failure.clear();
    return true;
}

void PracticeSession::LoadFirstAttempt() {
    const int index = state_.paperIndex;
    const int parts = PaperPartCount();
    state_.answersLines = ReadRecords(ResultsFile::First);
    const QStringList answers = PaperAnswers(state_.answersLines, index, parts);
    state_.resultsLines = ReadRecords(ResultsFile::FirstResults);
    const QList<Verdict> verdicts = PaperVerdicts(state_.resultsLines, index, parts);
    for (int i = 0; i < parts; ++i) {
        AnswerPart& part = state_.paper.parts[i];
        part.answer = answers.at(i);
        part.verdict = verdicts.at(i);
    }
}

// In the order fresults, second, sresults, first; the parts right at the first attempt are
// carried over in memory only: the files learn of it at the next save or marking.
void PracticeSession::LoadSecondAttempt() {
    const int index = state_.paperIndex;
    const int parts = PaperPartCount();
    const QList<Verdict> firstVerdicts =
        PaperVerdicts(ReadRecords(ResultsFile::FirstResults), index, parts);
    state_.answersLines = ReadRecords(ResultsFile::Second);
    const QStringList answers = PaperAnswers(state_.answersLines, index, parts);
    state_.resultsLines = ReadRecords(ResultsFile::SecondResults);
    const QList<Verdict> verdicts = PaperVerdicts(state_.resultsLines, index, parts);
    const QStringList firstAnswers = PaperAnswers(ReadRecords(ResultsFile::First), index, parts);
    for (int i = 0; i < parts; ++i) {
        AnswerPart& part = state_.paper.parts[i];
        part.firstVerdict = firstVerdicts.at(i);
        part.firstAnswer = firstAnswers.at(i);
        const bool carried = part.firstVerdict == Verdict::Right;
        part.answer = carried ? part.firstAnswer : answers.at(i);
        part.verdict = carried ? Verdict::Right : verdicts.at(i);
    }
}

void PracticeSession::LoadMarks() {
    state_.marksRecords = ReadMarksFile(ResultsPath(ResultsFile::Marks), state_.inputs.paperCount);
    const MarksRecords& records = state_.marksRecords;
    const int i = state_.paperIndex - 1;
    if (isSecondAttempt()) {
        state_.status = records.sst.value(i);
        state_.scoring = At(records.sse, i);
    } else {
        state_.status = records.fst.value(i);
        state_.scoring = At(records.fse, i);
        state_.timeTaken = At(records.ltm, i);
        state_.dateCompleted = At(records.cdd, i);
    }
}

QString PracticeSession::Caption() const {
    const int position = state_.paperIndex - state_.inputs.TopicCount + 1;
    return state_.inputs.topicName + QStringLiteral(" - Paper ") + QString::number(position);
}

int PracticeSession::PartOffset(int question) const {
    if (question < 1 || question > QuestionCount()) return 0;
    return state_.paper.questions.at(question - 1).firstPart;
}

int PracticeSession::PartCount(int question) const {
    if (question < 1 || question > QuestionCount()) return 0;
    return state_.paper.questions.at(question - 1).partCount;
}

QString PracticeSession::QuestionFilePath(int question) const {
    if (question < 1 || question > QuestionCount()) return QString();
    return state_.inputs.programFolder + QStringLiteral("/temppaper") +
           state_.paper.questions.at(question - 1).id + QStringLiteral(".mht");
}

bool PracticeSession::WriteQuestionDocument(int question) const {
    const QString path = QuestionFilePath(question);
    if (path.isEmpty()) return false;
    bool idOk = false;
    const int id = state_.paper.questions.at(question - 1).id.toInt(&idOk);
    // Deleted when the window closes: no disk sync needed.
    return idOk &&
           ExtractResource(id, QStringLiteral("Custom"), path, FileSync::None) == ExtractResult::Ok;
}

QList<int> PracticeSession::RemainingQuestions() const {
    QList<int> remaining;
    for (int q = 1; q <= QuestionCount(); ++q) {
        const Question& question = state_.paper.questions.at(q - 1);
        for (int i = question.firstPart; i < question.firstPart + question.partCount; ++i) {
            if (!TrimSpaces(state_.paper.parts.at(i).answer).isEmpty()) continue;
            remaining.append(q);
            break;
        }
    }
    return remaining;
}

int PracticeSession::AnsweredCount() const {
    int count = 0;
    for (const AnswerPart& part : state_.paper.parts)
        if (!part.answer.isEmpty()) ++count;
    return count;
}

bool PracticeSession::NeedsLongConfirmation() const {
    for (int i = 0; i < PaperPartCount(); ++i)
        if (!IsCarriedOver(i) && state_.paper.parts.at(i).answer.isEmpty()) return true;
    return false;
}

bool PracticeSession::IsCarriedOver(int part) const {
    return isSecondAttempt() && part >= 0 && part < PaperPartCount() &&
           state_.paper.parts.at(part).firstVerdict == Verdict::Right;
}

QString PracticeSession::AnswerToShow(int part) const {
    if (part < 0 || part >= PaperPartCount()) return QString();
    const QList<AnswerPart>& parts = state_.paper.parts;
    return ::AnswerToShow(AnswersOf(parts), KeysOf(parts), parts.at(part).kind, part);
}

void PracticeSession::SetAnswer(int part, const QString& text) {
    if (part < 0 || part >= PaperPartCount() || isMarked() || IsCarriedOver(part)) return;
    state_.paper.parts[part].answer = StorableFieldText(text);
}

void PracticeSession::SetCurrentQuestion(int question) {
    state_.currentQuestion = qBound(1, question, qMax(1, QuestionCount()));
}

bool PracticeSession::SaveAnswers() {
    if (isMarked()) return true;
    const int papers = state_.inputs.paperCount;
    const QStringList answers = AnswersOf(state_.paper.parts);
    WriteError error{AnswersPath(), WriteProblem::Other};
    if (UnfinishedChangePending(state_.inputs.programFolder)) {
        AllOrNothingResult pending;
        pending.earlierChangePending = true;
        m_failure = DescribeChangeFailure(pending);
    } else if (SetPaperAnswers(state_.answersLines, state_.paperIndex, papers, answers) &&
               WriteFileAtomically(AnswersPath(), PerPaperFileBytes(state_.answersLines, papers),
                                   FileSync::ToDisk, &error)) {
        m_savedAnswers = answers;
        m_failure.clear();
        return true;
    } else {
        m_failure = DescribeWriteError(error);
    }
    qCWarning(lcPractice) << "the answers of paper" << state_.paperNumber
                          << "were not saved:" << m_failure;
    return false;
}

bool PracticeSession::hasUnsavedAnswers() const {
    return !isMarked() && AnswersOf(state_.paper.parts) != m_savedAnswers;
}

// What a marking writes and then holds, made in memory before anything is written.
struct MarkedPaper {
    PaperMarking marking;
    QString percentage, timeTaken, dateCompleted;
    QStringList answersLines, resultsLines;
    MarksRecords records;
    TrendRecord trend;
};

std::optional<MarkedPaper> PracticeSession::MarkInMemory(const QDateTime& now,
                                                         const QDateTime& practiceStart) const {
    const int papers = state_.inputs.paperCount;
    const int index = state_.paperIndex;
    MarkedPaper marked{
        MarkParts(state_.paper.parts), {}, {}, {}, state_.answersLines, state_.resultsLines,
        state_.marksRecords,           {}};
    if (!SetPaperAnswers(marked.answersLines, index, papers, AnswersOf(state_.paper.parts)))
        return std::nullopt;
    marked.percentage = PercentageText(marked.marking.score, state_.totalMarks);
    SetPaperVerdicts(marked.resultsLines, index, papers, marked.marking.verdicts);
    if (isSecondAttempt()) {
        MarkSecondAttempt(marked.records, index, papers, marked.percentage);
        return marked;
    }
    marked.timeTaken = TimeTakenText(practiceStart.secsTo(now));
    marked.dateCompleted = ShortDateText(now.date());
    MarkFirstAttempt(marked.records, index, papers, marked.percentage, marked.timeTaken,
                     marked.dateCompleted);
    // A trend file without its record starts the record afresh rather than losing it.
    marked.trend = ReadTrendFile(ResultsPath(ResultsFile::Trend));
    AppendTrendScore(marked.trend, marked.percentage);
    return marked;
}

QList<FileWrite> PracticeSession::WritesOf(const MarkedPaper& marked) const {
    const int papers = state_.inputs.paperCount;
    QList<FileWrite> writes = {
        {AnswersPath(), PerPaperFileBytes(marked.answersLines, papers)},
        {ResultsFilePathOfAttempt(), PerPaperFileBytes(marked.resultsLines, papers)},
        {ResultsPath(ResultsFile::Marks), MarksFileBytes(marked.records, papers)}};
    if (!isSecondAttempt())
        writes.append({ResultsPath(ResultsFile::Trend), TrendFileBytes(marked.trend)});
    return writes;
}

MarkOutcome PracticeSession::Mark(const QDateTime& now, const QDateTime& practiceStart) {
    if (isMarked()) return MarkOutcome::AlreadyMarked;
    std::optional<MarkedPaper> marked = MarkInMemory(now, practiceStart);
    if (!marked) return MarkOutcome::AnswersNotSaved;

    // All of them or none: a marking half written would leave a paper marked without its
    // trend entry, or verdicts for a paper still unmarked.
    const QList<FileWrite> writes = WritesOf(*marked);
    const AllOrNothingResult written = WriteAllOrNothing(state_.inputs.programFolder, writes);
    if (!written.ok()) {
        m_failure = DescribeChangeFailure(written);
        qCWarning(lcPractice) << "paper" << state_.paperNumber << "was not marked: write"
                              << written.failedIndex << "failed:" << m_failure;
        if (!written.filesAsBefore) return MarkOutcome::FinishedAtNextStart;
        static constexpr MarkOutcome kFailure[] = {
            MarkOutcome::AnswersNotSaved, MarkOutcome::ResultsNotSaved, MarkOutcome::MarksNotSaved,
            MarkOutcome::TrendNotSaved};
        return written.failedIndex < writes.size() ? kFailure[written.failedIndex]
                                                   : MarkOutcome::AnswersNotSaved;
    }

    state_.answersLines = marked->answersLines;
    state_.resultsLines = marked->resultsLines;
    for (int i = 0; i < PaperPartCount(); ++i)
        state_.paper.parts[i].verdict = marked->marking.verdicts.at(i);
    state_.marksRecords = marked->records;
    state_.score = marked->marking.score;
    state_.scoring = marked->percentage;
    state_.status = AttemptStatus::Marked;
    m_savedAnswers = AnswersOf(state_.paper.parts);
    m_failure.clear();
    if (!isSecondAttempt()) {
        state_.timeTaken = marked->timeTaken;
        state_.dateCompleted = marked->dateCompleted;
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
