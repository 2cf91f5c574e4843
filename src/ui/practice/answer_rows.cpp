#include "ui/practice/answer_rows.h"

#include <QCoreApplication>
#include <algorithm>

#include "practice/practice_session.h"

namespace {

const QString kQ = QStringLiteral("Q");
const QString kL = QStringLiteral("L");
const QString kN = QStringLiteral("N");
const QString kY = QStringLiteral("Y");

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

AnswerRowView FirstAttemptRow(const PracticeState& s, int i, bool marked) {
    AnswerRowView v;
    v.readOnly = marked;
    v.firstVerdict = s.results.value(i);
    v.showFirstVerdict = marked;
    return v;
}

AnswerRowView SecondAttemptRow(const PracticeSession& session, int i, bool marked) {
    const PracticeState& s = session.state();
    const bool carried = session.IsCarriedOver(i);
    AnswerRowView v;
    v.firstVerdict = s.firstResults.value(i);
    v.secondVerdict = s.results.value(i);
    v.tinted = carried;
    if (marked) {
        v.readOnly = true;
        v.showSecondVerdict = true;
        v.showCorrectAnswer = s.results.value(i) == kN;
        if (v.showCorrectAnswer) v.correctAnswer = session.AnswerToShow(i);
    } else {
        v.readOnly = carried;
        v.showFirstVerdict = carried;
    }
    return v;
}

}  // namespace

QList<AnswerRowView> AnswerRowsFor(const PracticeSession& session, int question) {
    const PracticeState& s = session.state();
    const int offset = session.PartOffset(question);
    const int count = std::min(session.PartCount(question), kAnswerRows);
    const bool marked = session.isMarked();
    const bool second = session.isSecondAttempt();
    QList<AnswerRowView> rows;
    rows.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const int i = offset + k - 1;
        AnswerRowView v =
            second ? SecondAttemptRow(session, i, marked) : FirstAttemptRow(s, i, marked);
        v.answer = s.answers.value(i);
        v.singleCharacter = s.kinds.value(i) == kQ;
        v.tallLayout = k == 1 && s.kinds.value(i) == kL;
        v.showLetter = count >= 2;
        v.name = AnswerBoxName(question, k, count);
        v.description = Description(v, second, marked, second && session.IsCarriedOver(i));
        rows.append(v);
    }
    return rows;
}

bool NeedsEntryInstructions(const PracticeSession& session, int question) {
    const QStringList& kinds = session.state().kinds;
    const int offset = session.PartOffset(question);
    for (int i = offset; i < offset + session.PartCount(question); ++i) {
        const QString kind = kinds.value(i);
        if (kind == QLatin1String("X") || kind == QLatin1String("F")) return true;
    }
    return false;
}

QString VerdictWord(const QString& verdict) {
    if (verdict == kY) return Tr("correct");
    if (verdict == kN) return Tr("wrong");
    return QString();
}

QString AnswerBoxName(int question, int k, int parts) {
    if (parts < 2) return Tr("Question %1, answer").arg(question);
    return Tr("Question %1, answer %2").arg(question).arg(QChar(u'a' + k - 1));
}
