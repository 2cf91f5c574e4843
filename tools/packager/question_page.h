#pragma once
// The HTML page of one question document: the question's fragment in a page with the house
// stylesheet.

#include "course_source.h"

#include <QString>

QString QuestionPageHtml(const SourceQuestion& question);
// The page of a question's worked solution, in the same look.
QString SolutionPageHtml(const SourceQuestion& question);

// The stylesheet every question page carries (a subset of CSS that QTextBrowser renders).
QString QuestionStyleSheet();
