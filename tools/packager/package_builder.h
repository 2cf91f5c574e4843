#pragma once
// Writes the whole package of a course into a folder, one file per resource id.

#include "course_source.h"

#include <QByteArray>
#include <QString>

// The MIME HTML archive of one question, its figures drawn and encoded as GIF.
QByteArray QuestionDocumentBytes(const SourceQuestion& question);

// Writes the catalogue, the module's four tables, its six templates and every question
// document into `outDir`. Returns false with `error` set when a file cannot be written.
bool WritePackage(const Course& course, const QString& outDir, QString& error);

// Removes every file of `dir` whose name is a number (a previous package).
void RemovePackageFiles(const QString& dir);

// A Qt resource collection listing every id-named file of `packageDir` under /package.
QByteArray PackageQrc(const QString& packageDir);
