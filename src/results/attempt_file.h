#pragma once
// The four per-paper files of a module: the answers of each attempt (first, second) and their
// verdicts (fresults, sresults). One record per paper, 101 to 100 + papers, one field per answer
// part. In memory a file is its record line list: entry i-1 the whole line of paper index i, so a
// rewrite keeps every other paper's record as it was read.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "marking/verdict.h"
#include "results/results_files.h"
#include "results/results_issues.h"

// The record line list of papers 101..100+n: every record found by its key wherever it stands, a
// missing record replaced by the template's empty one (logged), so a rewrite from it keeps every
// record that could be read.
QStringList ParsePerPaperRecords(const QByteArray& bytes, const QByteArray& templateBytes, int n,
                                 const QString& pathForLog = {});
QStringList ReadPerPaperRecords(const QString& path, ResultsFile file, int module, int n);

// The answers, or the verdicts, of paper index i (1-based): `parts` fields. A verdict letter no
// marking writes reads as no verdict.
QStringList PaperAnswers(const QStringList& lines, int paperIndex, int parts);
QList<Verdict> PaperVerdicts(const QStringList& lines, int paperIndex, int parts);

// Paper index i's record becomes these answers or verdicts. False, and nothing changed, for an
// index outside 1..n.
bool SetPaperAnswers(QStringList& lines, int paperIndex, int n, const QStringList& answers);
bool SetPaperVerdicts(QStringList& lines, int paperIndex, int n, const QList<Verdict>& verdicts);

// The file's bytes: n records, each with CR LF.
QByteArray PerPaperFileBytes(const QStringList& lines, int n);

// The template of all four: papers 101 upwards, one empty field per part of each, between
// "..." lines.
QByteArray PerPaperTemplateBytes(const QList<int>& partsPerPaper);

// The bytes against the template: records, order, field counts, and (verdict files) letters.
QList<ResultsFileIssue> InspectAnswersFile(const QByteArray& bytes,
                                           const QByteArray& templateBytes);
QList<ResultsFileIssue> InspectVerdictsFile(const QByteArray& bytes,
                                            const QByteArray& templateBytes);
