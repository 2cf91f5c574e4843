#pragma once
// The question asked before the program takes over a data folder whose lock names a copy of the
// program on another computer: nothing here can tell whether that copy still runs, and two copies
// on one folder lose the learner's work, so only the learner may decide.

#include <QString>

// Asks through the program's own pop-up dialog, No being the answer Enter and Escape give.
// Where no window can be shown the question cannot be asked: the reason and what to do go to the
// standard error, and the answer is No.
bool LearnerAgreesToTakeOver(const QString& dataFolder, const QString& problem);
