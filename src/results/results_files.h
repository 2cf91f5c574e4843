#pragma once
// The six results files of a course module: names, templates, creation and presence.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "records/file_io.h"
#include "results/results_issues.h"

struct Catalogue;

enum class ResultsFile { Marks = 1, First, Second, FirstResults, SecondResults, Trend };

inline constexpr ResultsFile kAllResultsFiles[] = {
    ResultsFile::Marks,        ResultsFile::First,         ResultsFile::Second,
    ResultsFile::FirstResults, ResultsFile::SecondResults, ResultsFile::Trend};

// "marks2HM.txt", "first2HM.txt", ... for module m and course code.
QString ResultsFileName(ResultsFile file, int module, const QString& code);
QString ResultsFilePath(const QString& programFolder, ResultsFile file, int module,
                        const QString& code);
// True for a name of the form of a results file name ("marks2HM.txt"), whatever the course code.
bool IsResultsFileName(const QString& name);

// The template of a file of a module whose papers have these part counts (one entry per paper,
// in paper order): the bytes the course package carries and a fresh start copies.
QByteArray ResultsTemplateBytes(ResultsFile file, const QList<int>& partsPerPaper);

// Copies the six templates over the six files of every defined module.
void CreateResultsFiles(const QString& programFolder, const Catalogue& catalogue);

// True when all six files of module m exist.
bool ResultsFilesPresent(const QString& programFolder, int module, const QString& code);

// Copies the six templates of module m over its files. Returns the paths that could not be
// written (empty when all six were).
QStringList CreateModuleResultsFiles(const QString& programFolder, int module, const QString& code);

// Compares a results file with its template through the file's own codec: records, their order
// and field counts, and the values the program itself writes (scores, states, verdicts). A
// missing file has no issues here; anything but a regular file has the one issue NotRegularFile
// and is never opened.
QList<ResultsFileIssue> InspectResultsFile(const QString& path, ResultsFile file,
                                           const QByteArray& templateBytes);

struct DamagedResultsFile {
    int module = 0;
    ResultsFile file = ResultsFile::Marks;
    QString path;
    QList<ResultsFileIssue> issues;
};

struct ResultsCheckReport {
    QStringList created;                // files that were missing and now hold their template
    QStringList failed;                 // files that were missing and could not be created
    WriteError firstFailure;            // the first of those, and why
    QList<DamagedResultsFile> damaged;  // present files that no longer fit their template
    bool clean() const { return failed.isEmpty() && damaged.isEmpty(); }
};

// The start-up check for every defined module. A module with none of its files gets all six
// from the templates; a module with some gets the missing ones; files that already existed are
// inspected and, when damaged, reported but left untouched: only the learner may have them
// restored (RestoreResultsFile).
ResultsCheckReport EnsureResultsFiles(const QString& programFolder, const Catalogue& catalogue);

// Brings one file back to its template. True when it now holds exactly the template's bytes;
// otherwise `error`, when given, says why. A FIFO, socket or device in the file's place is
// removed first (the learner asked for a reset); a folder is never removed, and then the
// restore fails.
bool RestoreResultsFile(const QString& programFolder, ResultsFile file, int module,
                        const QString& code, WriteError* error = nullptr);

// For a damaged file the learner chose to keep: copies its bytes beside it under a dated name
// ("marks2HM.txt.damaged-2026-12-07-231500", "-2" added when taken) before anything rewrites
// it. A dated copy that already holds the same bytes is kept instead of a new one, so damage
// kept at every start is copied once. Returns the copy's path, or empty text when the file
// could not be read or copied (then `error`, when given, says why).
QString KeepDamagedCopy(const QString& path, const QDateTime& now, WriteError* error = nullptr);
