#pragma once
// --list-learners and --export-csv: answered from the data folder without a window, without the
// folder's lock and without changing anything in it (a copy may be running there). Need a
// QCoreApplication.

#include <QString>

// Prints the learners' names, one a line. 0.
int PrintLearners(const QString& dataFolder);

// Writes the CSV of every learner, or of `learner` alone when given. 0 when written; 1 with a
// message on the standard error when the learner is unknown or the file cannot be written.
int ExportLearners(const QString& dataFolder, const QString& learner, const QString& file);
