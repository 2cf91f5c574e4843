#pragma once
// One open practice paper, first or second attempt, without widgets: loading its content and
// stored results, the answer helpers the window needs, saving and marking.
//
// Indexing: questions are 1-based (as shown, "Question 3"); answer parts are 0-based indices
// into Paper::parts, numbered through the whole paper (part i of the paper is entry i-1).
//
// The window's part of the road:
//   load:      PracticeSession s; if (!s.Load(inputs)) { the paper cannot be worked }
//   show:      s.WriteQuestionDocument(q) / s.QuestionFilePath(q), PartOffset(q), PartCount(q)
//   typing:    SetAnswer(part, text) for the shown rows before any save, move or mark
//   move:      SetAnswer(...); SaveAnswers(); SetCurrentQuestion(n)
//   mark:      SetAnswer(...); SaveAnswers(); ask with NeedsLongConfirmation(); animation;
//              Mark(now, practiceStart)
// Mark writes the answers file again (same bytes) so its write order holds on its own.

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "content/paper_content.h"
#include "practice/paper.h"
#include "records/record_file.h"
#include "results/marking_journal.h"
#include "results/marks_file.h"
#include "results/results_files.h"

// What the main window hands the practice window.
struct PracticeInputs {
    QString programFolder;
    int module = 0;       // LChose: 1..kModuleCount
    QString courseCode;   // lblCOD: "HM"
    QString paperNumber;  // PaperNum: "101".."150"
    int TopicCount = 1;   // paper index of the chosen topic's first paper
    QString topicName;    // SubH1
    int paperCount = 0;   // TtPapersCon: papers of the module
    int take = 1;         // TakeNum: 1 first attempt, anything else the second
};

struct PracticeState {
    PracticeInputs inputs;
    QString paperNumber;  // record key of the paper
    int paperIndex = 0;   // paper number - 100, field position in the marks records
    Paper paper;          // questions and parts: keys, kinds, marks, answers, verdicts
    int totalMarks = 0;
    QStringList answersLines, resultsLines;           // record line lists of this attempt's files
    MarksRecords marksRecords;                        // the six records, one entry per paper
    AttemptStatus status = AttemptStatus::NotMarked;  // Status: FST or SST of the paper
    QString scoring;        // PScoring: FSE or SSE of the paper, or the new percentage
    int score = 0;          // Scoring: set by marking
    QString timeTaken;      // LTime: LTM of the paper (first attempt only)
    QString dateCompleted;  // ETime: CDD of the paper (first attempt only)
    int currentQuestion = 1;
};

// A marking writes its files all or none (WriteAllOrNothing): every outcome but Marked and
// FinishedAtNextStart leaves the paper unmarked with all its files as they were, and names the
// file that failed.
enum class MarkOutcome {
    Marked,           // all files written
    AlreadyMarked,    // already marked: nothing checked, nothing written
    AnswersNotSaved,  // the answers file (or the journal before it) could not be written, or an
                      // earlier marking or erase is unfinished
    ResultsNotSaved,  // the results file could not be written
    MarksNotSaved,    // the marks file could not be written
    TrendNotSaved,    // first attempt: the trend file could not be written
    // A write failed and what was written could not be undone: the journal stays, and the next
    // start finishes the marking.
    FinishedAtNextStart,
};

// The date a paper was completed as the learner's system writes a short date ("08/12/2026",
// "12/8/26", "8 Dec 2026"); a form a record field cannot hold (other digits, a '#') falls back
// to day/month/year.
QString ShortDateText(const QDate& date, const QLocale& locale = QLocale::system());

struct MarkedPaper;

class PracticeSession {
  public:
    // Reads the four content tables (LoadPaperContent), then everything LoadFromContent reads.
    // False when the paper cannot be worked (content missing or inconsistent, an answer kind no
    // rule knows, paper number out of range); the state is then not usable.
    bool Load(const PracticeInputs& inputs);

    // As Load, with the content already in hand: this attempt's answers and results (the second
    // attempt reads fresults, second, sresults, first in that order and carries over in memory
    // the parts right at the first attempt), the six marks records, status and stored score.
    bool LoadFromContent(const PracticeInputs& inputs, const PaperContent& content);

    const PracticeState& state() const { return state_; }
    bool isSecondAttempt() const { return state_.inputs.take != 1; }
    bool isMarked() const { return state_.status == AttemptStatus::Marked; }

    // "Whole Numbers - Paper 3": the paper's position within its topic.
    QString Caption() const;

    int QuestionCount() const { return static_cast<int>(state_.paper.questions.size()); }
    int PaperPartCount() const { return state_.paper.partCount(); }
    // Index of the first part of question q and its number of parts; 0 for a question out of
    // range.
    int PartOffset(int question) const;
    int PartCount(int question) const;
    // <programFolder>/temppaper<id>.mht of question q (empty text out of range).
    QString QuestionFilePath(int question) const;
    // Writes question q's document to its file; false when it could not be written.
    bool WriteQuestionDocument(int question) const;

    // Question numbers with a part whose answer is empty once spaces are trimmed, ascending,
    // without repeats (the remaining-questions list).
    QList<int> RemainingQuestions() const;
    // Parts whose answer is not empty text (spaces count as answered).
    int AnsweredCount() const;
    // First attempt: some answer is exactly empty. Second attempt: the same over the parts not
    // carried over.
    bool NeedsLongConfirmation() const;
    // Second attempt: the part was right at the first attempt (pre-filled, read-only).
    bool IsCarriedOver(int part) const;
    // Second attempt, after marking: the correct answer to show beside part `part`.
    QString AnswerToShow(int part) const;

    // Copies typed text into the answers. What a field cannot hold (IsStorableFieldChar) is
    // dropped; carried-over and marked parts do not
    // change. Out-of-range parts are ignored.
    void SetAnswer(int part, const QString& text);
    // Clamped to 1..QuestionCount().
    void SetCurrentQuestion(int question);

    // Rewrites the paper's record of this attempt's answers file. False when the file could
    // not be written (the old file stays whole; failureText() says why) or an earlier marking
    // or erase is unfinished (a save would make its journal out of date). A marked paper has
    // nothing to save: true, and nothing is written.
    bool SaveAnswers();
    // Answers set since the paper was loaded, saved or marked that no file holds yet.
    bool hasUnsavedAnswers() const;
    // Why the last save or marking failed, for the learner: the file and the reason.
    const QString& failureText() const { return m_failure; }

    // Checks every part, scores, and writes answers, results, marks and (first attempt) trend
    // files in that order, all or none: a failure, or a run ended halfway (finished by the next
    // start's RecoverInterruptedMarking), never leaves the files disagreeing. `practiceStart` is
    // ignored by the second attempt.
    MarkOutcome Mark(const QDateTime& now, const QDateTime& practiceStart);

    // The six results files of this paper's module.
    QString ResultsPath(ResultsFile file) const;

  private:
    // The files of a marking as they are to be written; nothing when the paper's record cannot
    // be placed.
    std::optional<MarkedPaper> MarkInMemory(const QDateTime& now,
                                            const QDateTime& practiceStart) const;
    QList<FileWrite> WritesOf(const MarkedPaper& marked) const;
    void LoadFirstAttempt();
    void LoadSecondAttempt();
    void LoadMarks();
    QStringList ReadRecords(ResultsFile file) const;
    QString AnswersPath() const;
    QString ResultsFilePathOfAttempt() const;

    PracticeState state_;
    QStringList m_savedAnswers;  // the answers as the answers file holds them
    QString m_failure;
};
