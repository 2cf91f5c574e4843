#pragma once
// The file names offered when a print is saved as a PDF or the results are exported: they say
// what is in the file, so saves of two papers or two days do not overwrite each other.

#include <QDate>
#include <QString>

// `text` with the characters a file name on some disk cannot hold replaced by "-".
QString FileNameSafe(const QString& text);

// "Fractions - Paper 3 - question 2.pdf": `paperCaption` is the practice window's caption.
QString QuestionPdfName(const QString& paperCaption, int question);
// "results 2026-12-07.pdf", "results Anna 2026-12-07.pdf" with a learner's name.
QString ResultsPdfName(const QString& learner, const QDate& date);
// "overview 2026-12-07.pdf".
QString OverviewPdfName(const QDate& date);
// "results 2026-12-07.csv", with the learner's name when one is given.
QString ResultsCsvName(const QString& learner, const QDate& date);
