#pragma once
// The six results files of a course module: names, templates, creation and presence.

#include <QList>
#include <QString>

struct Catalogue;

enum class ResultsFile { Marks = 1, First, Second, FirstResults, SecondResults, Trend };

inline constexpr ResultsFile kAllResultsFiles[] = {
    ResultsFile::Marks,        ResultsFile::First,         ResultsFile::Second,
    ResultsFile::FirstResults, ResultsFile::SecondResults, ResultsFile::Trend};

// "marks2HM.txt", "first2HM.txt", ... for module m and course code.
QString ResultsFileName(ResultsFile file, int module, const QString& code);
QString ResultsFilePath(const QString& programFolder, ResultsFile file, int module,
                        const QString& code);

// Copies the six templates over the six files of every defined module.
void CreateResultsFiles(const QString& programFolder, const Catalogue& catalogue);

// True when all six files of module m exist.
bool ResultsFilesPresent(const QString& programFolder, int module, const QString& code);
