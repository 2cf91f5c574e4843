#pragma once
// What a learner may be called. A learner's results live in a folder named after the learner,
// so a name must be a folder name on any disk the data folder may sit on (a memory stick
// included), and two names that a disk or a reader could take for one are refused.

#include <QString>
#include <QStringList>

inline constexpr int kLearnerNameMaxLength = 40;

enum class LearnerNameProblem { None, Empty, TooLong, NotInFolderName, Taken };

// `name` as typed, checked against the other learners' names (a learner being renamed leaves
// its own name out of `others`). Spaces around the name do not count.
LearnerNameProblem CheckLearnerName(const QString& name, const QStringList& others);

// The sentence the parent reads for a problem; empty for None.
QString LearnerNameProblemText(LearnerNameProblem problem, const QString& name);

// The name as kept: without the spaces around it.
QString CleanLearnerName(const QString& name);

// Whether two names are the same learner's: letters compared without case, in one Unicode form.
bool SameLearnerName(const QString& a, const QString& b);
