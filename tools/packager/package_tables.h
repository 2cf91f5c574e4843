#pragma once
// The record files of the package: catalogue, the four tables of the module and the six
// templates of the results files, each as the exact bytes the program carries.

#include "course_source.h"

#include <QByteArray>

QByteArray CatalogueBytes(const SourceCatalogue& catalogue);
QByteArray PaperTableBytes(const Course& course);
QByteArray AnswerKeyBytes(const Course& course);
QByteArray AnswerKindBytes(const Course& course);
QByteArray MarksTableBytes(const Course& course);

QByteArray MarksTemplateBytes(int paperCount);
// The template of the first and second answers and results files: one empty field per part.
QByteArray PerPaperTemplateBytes(const Course& course);
QByteArray TrendTemplateBytes();
