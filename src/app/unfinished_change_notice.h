#pragma once
// The start could not finish a marking or an erase that the last run left halfway: the learner
// is told which file and why, since until it is finished no answer or result can be saved, and
// may have the program try again (after making room on the disk, say).

#include <QString>

#include "results/marking_journal.h"

// Tells of a Failed recovery and tries again while the learner asks; returns the last outcome.
// Where no window can be shown the message goes to the log (the standard error) only.
RecoveryReport TellOfUnfinishedChange(const QString& dataFolder, RecoveryReport report);
