#pragma once
// Writes the whole package of a course into a folder, one file per resource id.

#include "content/resource_ids.h"
#include "course_source.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// The MIME HTML archive of one question, its figures drawn and encoded as GIF.
QByteArray QuestionDocumentBytes(const SourceQuestion& question);

// The solution's document, stored at SolutionId(question id): its page and the pictures it shows.
// Empty when it has none.
QByteArray SolutionDocumentBytes(const SourceQuestion& question);

// Writes the catalogue, the module's four tables, its six templates and every question
// document into `outDir`, leaving files that already hold the right bytes untouched, and removes
// the id files of questions no longer in the course (the skin pictures, ids up to 92, are left
// to the skin painter). Returns false with `error` set when a file cannot be written.
bool WritePackage(const Course& course, const QString& outDir, QString& error);

// Removes every file of `dir` whose name is a number above `keepUpTo` and not in `keep`.
void RemovePackageFiles(const QString& dir, const QSet<int>& keep = {}, int keepUpTo = 0);

// A Qt resource collection listing every id-named file of `packageDir` under /package.
QByteArray PackageQrc(const QString& packageDir);
