#pragma once
// Checks a course package: the consistency rules every package must keep, and the figures the
// full course is known by.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The bytes of a resource, or a null array when the package has no such id.
using PackageReader = std::function<QByteArray(int id)>;

// Reads a folder of files named by id (the unpacked package of the build).
PackageReader PackageFolderReader(const QString& folder);
// Reads the package embedded in the program.
PackageReader EmbeddedPackageReader();

// Every problem found, one line each; empty when the package keeps every rule: catalogue form,
// the module's papers and their question ids (each once, each with a document), the answer key,
// kind and marks tables listing those ids in paper order with equal field counts, known kind
// letters, positive whole marks, the results templates matching the papers' part counts, and
// one readable worked solution, its pictures in it, for each question and for no other id.
QStringList CheckPackageRules(const PackageReader& read);

// Problems with the figures of the full course (1,410 questions, the part counts, kinds and
// marks it is known by, and the sample questions the program's own checks rely on).
QStringList CheckCourseFigures(const PackageReader& read);
