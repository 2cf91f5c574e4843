#pragma once
// What each answer row of the shown question displays, from the state of the paper: the first
// attempt shows answers and, once marked, their verdicts; the second attempt also shows the
// carried-over parts, its own verdicts and the correct answers of the parts still wrong.

#include <QList>

#include "ui/practice/answer_sheet.h"

class PracticeSession;

QList<AnswerRowView> AnswerRowsFor(const PracticeSession& session, int question);

// The entry instructions are shown for questions with a fraction or mixed-number part.
bool NeedsEntryInstructions(const PracticeSession& session, int question);
