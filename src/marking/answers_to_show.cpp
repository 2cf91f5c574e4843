#include "marking/answers_to_show.h"

#include "marking/alternatives.h"

namespace {

// The head and the parts with the key " " that follow it.
int GroupSize(const QStringList& keys, int head) {
    int size = 1;
    for (int g = head + 1; g < keys.size() && g <= head + kGroupReach; ++g) {
        if (!IsGroupFollower(keys.at(g))) break;
        ++size;
    }
    return size;
}

// Folded alternatives of the head's key, those used by any answer of the group blanked.
QStringList RemainingAlternatives(const QStringList& alternatives, const QStringList& answers,
                                  int head, int size) {
    QStringList remaining;
    for (const QString& alternative : alternatives) remaining.append(Folded(alternative));
    for (int g = head; g < head + size; ++g) {
        const QString used = Folded(answers.value(g));
        for (QString& alternative : remaining)
            if (alternative == used) alternative.clear();
    }
    return remaining;
}

QString HeadAnswerToShow(const QStringList& answers, const QStringList& keys, int head) {
    const QStringList alternatives = SplitAlternatives(keys.at(head));
    const QStringList remaining =
        RemainingAlternatives(alternatives, answers, head, GroupSize(keys, head));
    const QString own = Folded(answers.value(head));
    // Left empty while the group used an alternative: the blank matches and nothing is shown,
    // wherever in the list that blank lies.
    QString shown;
    for (qsizetype j = 0; j < remaining.size(); ++j) {
        if (own == remaining.at(j)) return QString();
        if (shown.isEmpty() && !remaining.at(j).isEmpty()) shown = alternatives.at(j);
    }
    return shown;
}

QString FollowerAnswerToShow(const QStringList& answers, const QStringList& keys, int index) {
    int position = 2;
    for (int g = index - 1; g >= 0 && g >= index - kGroupReach; --g) {
        if (!IsGroupFollower(keys.at(g))) break;
        ++position;
    }
    const int head = index - position + 1;
    if (head < 0) return QString();
    const QStringList alternatives = SplitAlternatives(keys.at(head));
    QStringList folded;
    for (const QString& alternative : alternatives) folded.append(Folded(alternative));
    int matchedBefore = 0;
    for (int g = head; g < index; ++g) {
        const QString used = Folded(answers.value(g));
        if (used.isEmpty()) continue;
        matchedBefore += static_cast<int>(folded.count(used));
    }
    const QStringList remaining =
        RemainingAlternatives(alternatives, answers, head, GroupSize(keys, head));
    int wanted = position - matchedBefore;
    if (wanted < 1) return QString();
    for (qsizetype j = 0; j < remaining.size(); ++j) {
        if (remaining.at(j).isEmpty()) continue;
        if (--wanted == 0) return alternatives.at(j);
    }
    return QString();
}

}  // namespace

QString GroupAnswerToShow(const QStringList& answers, const QStringList& keys, int index) {
    if (index < 0 || index >= keys.size()) return QString();
    if (IsGroupFollower(keys.at(index))) return FollowerAnswerToShow(answers, keys, index);
    return HeadAnswerToShow(answers, keys, index);
}

QString MultiAnswerToShow(const QString& key) {
    // The first alternative the list rule accepts; a key without a list is shown as stored (its
    // first character is no ';' to skip).
    const QStringList alternatives = SplitAlternatives(key);
    return alternatives.isEmpty() ? key : alternatives.first();
}

QString AnswerToShow(const QStringList& answers, const QStringList& keys, AnswerKind kind,
                     int index) {
    if (index < 0 || index >= keys.size()) return QString();
    return RuleOf(kind).answerToShow(answers, keys, index);
}
