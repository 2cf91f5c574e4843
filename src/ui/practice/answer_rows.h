#pragma once
// What each answer row of the shown question displays, from the state of the paper: the first
// attempt shows answers and, once marked, their verdicts; the second attempt also shows the
// carried-over parts, its own verdicts and the correct answers of the parts still wrong. A
// correct answer reaches a row only when the row shows it.

#include <QList>

#include "ui/practice/answer_sheet.h"

class PracticeSession;

QList<AnswerRowView> AnswerRowsFor(const PracticeSession& session, int question);

// The entry instructions are shown for questions with a fraction or mixed-number part.
bool NeedsEntryInstructions(const PracticeSession& session, int question);

// "correct", "wrong", or nothing for no verdict.
QString VerdictWord(Verdict verdict);

// "Question 3, answer b" (row k of a question of `parts` parts); "Question 3, answer" for a
// question of one part.
QString AnswerBoxName(int question, int k, int parts);
