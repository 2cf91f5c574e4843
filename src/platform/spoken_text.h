#pragma once
// The words a screen reader should say for a question document: what the page shows, written so
// that a speech synthesiser reads it as a teacher would. "5<sup>3</sup>" becomes "5 cubed",
// "3/4" "3 quarters", "2 1/3" "2 and 1 third", "3 : 5" "3 to 5", "cm&sup2;" "square
// centimetres"; the options of a multiple-choice question keep their numbers ("1: 100 books"), a
// table is read row by row under its headings ("4A: Friday 30, Saturday 85"), and a picture is
// read by its alternative text; a note on how to write the answer says its fractions as typed.
// One line per paragraph, option, table row or picture.
//
// Pure text work, no widget: the document view hands the result to the accessibility layer.

#include <QString>

QString SpokenQuestionText(const QString& html);

// The words of one run of text (no markup): fractions, ratios, powers written as ² and ³, units
// after numbers, and the signs of arithmetic. A note on how to write an answer ("for example
// 5 2/3") keeps its fractions as they are typed: "5 2 slash 3".
enum class FractionReading { AsNumbers, AsTyped };
QString SpokenMaths(const QString& text, FractionReading fractions = FractionReading::AsNumbers);
