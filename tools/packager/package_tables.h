#pragma once
// The record files of the package: catalogue and the four tables of the module, each as the
// exact bytes the program carries. The templates of the results files come from their codecs
// (results/results_files.h).

#include "course_source.h"

#include <QByteArray>

QByteArray CatalogueBytes(const SourceCatalogue& catalogue);
QByteArray PaperTableBytes(const Course& course);
QByteArray AnswerKeyBytes(const Course& course);
QByteArray AnswerKindBytes(const Course& course);
QByteArray MarksTableBytes(const Course& course);

// The answer parts of each paper, in paper order.
QList<int> PartsPerPaper(const Course& course);
