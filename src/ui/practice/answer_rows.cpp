#include "ui/practice/answer_rows.h"

#include <QCoreApplication>
#include <algorithm>

#include "practice/practice_session.h"
#include "practice/solution_document.h"

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("AnswerRows", text);
}

// What a screen reader says after the box's name: its verdicts, and a correct answer shown.
QString Description(const AnswerRowView& v, bool second, bool marked, bool carried) {
    if (!marked) return carried ? Tr("correct at the first attempt") : QString();
    const QString verdict = VerdictWord(second ? v.secondVerdict : v.firstVerdict);
    if (v.showCorrectAnswer && !v.correctAnswer.isEmpty())
        return Tr("%1, correct answer %2").arg(verdict, v.correctAnswer);
    return verdict;
}

AnswerRowView FirstAttemptRow(const AnswerPart& part, bool marked) {
    AnswerRowView v;
    v.readOnly = marked;
    v.firstVerdict = part.verdict;
    v.showFirstVerdict = marked;
    return v;
}

AnswerRowView SecondAttemptRow(const PracticeSession& session, int i, bool marked) {
    const AnswerPart& part = session.state().paper.parts.at(i);
    const bool carried = session.IsCarriedOver(i);
    AnswerRowView v;
    v.firstVerdict = part.firstVerdict;
    v.secondVerdict = part.verdict;
    v.tinted = carried;
    if (marked) {
        v.readOnly = true;
        v.showSecondVerdict = true;
        v.showCorrectAnswer = part.verdict == Verdict::Wrong;
        if (v.showCorrectAnswer) v.correctAnswer = session.AnswerToShow(i);
    } else {
        v.readOnly = carried;
        v.showFirstVerdict = carried;
    }
    return v;
}

}  // namespace

QList<AnswerRowView> AnswerRowsFor(const PracticeSession& session, int question) {
    const QList<AnswerPart>& parts = session.state().paper.parts;
    const int offset = session.PartOffset(question);
    const int count = std::min(session.PartCount(question), kAnswerRows);
    const bool marked = session.isMarked();
    const bool second = session.isSecondAttempt();
    const bool solution = marked && HasSolution(session, question);
    QList<AnswerRowView> rows;
    rows.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const int i = offset + k - 1;
        const AnswerPart& part = parts.at(i);
        AnswerRowView v =
            second ? SecondAttemptRow(session, i, marked) : FirstAttemptRow(part, marked);
        const AnswerInput input = RuleOf(part.kind).input;
        v.answer = part.answer;
        v.singleCharacter = input == AnswerInput::OneCharacter;
        v.tallLayout = k == 1 && input == AnswerInput::LongLine;
        v.showLetter = count >= 2;
        v.name = AnswerBoxName(question, k, count);
        v.description = Description(v, second, marked, second && session.IsCarriedOver(i));
        // A wrong part points the learner to the worked solution beside the question.
        if (solution && (second ? v.secondVerdict : v.firstVerdict) == Verdict::Wrong) {
            v.verdictTip = Tr("Wrong. See How to work it out");
            v.description = Tr("%1. See How to work it out").arg(v.description);
        }
        rows.append(v);
    }
    return rows;
}

bool NeedsEntryInstructions(const PracticeSession& session, int question) {
    const QList<AnswerPart>& parts = session.state().paper.parts;
    const int offset = session.PartOffset(question);
    for (int i = offset; i < offset + session.PartCount(question); ++i) {
        if (RuleOf(parts.at(i).kind).input == AnswerInput::FractionEntry) return true;
    }
    return false;
}

QString VerdictWord(Verdict verdict) {
    switch (verdict) {
        case Verdict::Right:
            return Tr("correct");
        case Verdict::Wrong:
            return Tr("wrong");
        case Verdict::None:
            break;
    }
    return QString();
}

QString AnswerBoxName(int question, int k, int parts) {
    if (parts < 2) return Tr("Question %1, answer").arg(question);
    return Tr("Question %1, answer %2").arg(question).arg(QChar(u'a' + k - 1));
}
