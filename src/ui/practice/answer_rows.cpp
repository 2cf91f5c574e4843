#include "ui/practice/answer_rows.h"

#include <algorithm>

#include "practice/practice_session.h"

namespace {
const QString kQ = QStringLiteral("Q");
const QString kL = QStringLiteral("L");
const QString kN = QStringLiteral("N");

QString At(const QStringList& list, int i) {
    return i >= 0 && i < list.size() ? list[i] : QString();
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
        AnswerRowView v;
        v.answer = At(s.answers, i);
        v.singleCharacter = At(s.kinds, i) == kQ;
        v.tallLayout = k == 1 && At(s.kinds, i) == kL;
        v.readOnly = marked;
        if (!second) {
            v.correctAnswer = At(s.keys, i);  // held, never shown
            v.firstVerdict = At(s.results, i);
            v.showFirstVerdict = marked;
        } else {
            const bool carried = session.IsCarriedOver(i);
            v.firstVerdict = At(s.firstResults, i);
            v.secondVerdict = At(s.results, i);
            v.correctAnswer = session.AnswerToShow(i);
            v.tinted = carried;
            if (marked) {
                v.showSecondVerdict = true;
                v.showCorrectAnswer = At(s.results, i) == kN;
            } else {
                v.readOnly = carried;
                v.showFirstVerdict = carried;
            }
        }
        rows.append(v);
    }
    return rows;
}

bool NeedsEntryInstructions(const PracticeSession& session, int question) {
    const QStringList& kinds = session.state().kinds;
    const int offset = session.PartOffset(question);
    for (int i = offset; i < offset + session.PartCount(question); ++i) {
        const QString kind = At(kinds, i);
        if (kind == QLatin1String("X") || kind == QLatin1String("F")) return true;
    }
    return false;
}
