#pragma once
// Numbering of the embedded course package. m is the course module number, 1 to 3.

#include <QList>
#include <QString>

inline constexpr int kCatalogueId = 30000;
inline constexpr int kFirstQuestionId = 20011;
inline constexpr int kLastQuestionId = 22841;

// A question's worked solution is a document of its own at the question's id plus this offset
// (40011 to 42841 for this course), a range no other item of the package uses. It is written
// out only once the paper is marked.
inline constexpr int kSolutionIdOffset = 20000;
inline constexpr int kFirstSolutionId = kFirstQuestionId + kSolutionIdOffset;
inline constexpr int kLastSolutionId = kLastQuestionId + kSolutionIdOffset;
constexpr int SolutionId(int questionId) { return questionId + kSolutionIdOffset; }
constexpr int QuestionIdOfSolution(int solutionId) { return solutionId - kSolutionIdOffset; }

constexpr int PaperTableId(int m) { return 30002 + 10 * m; }
constexpr int AnswerKeyId(int m) { return 30003 + 10 * m; }
constexpr int AnswerKindTableId(int m) { return 30004 + 10 * m; }
constexpr int MarksTableId(int m) { return 30005 + 10 * m; }
// k = 1 marks, 2 first, 3 second, 4 fresults, 5 sresults, 6 trend
constexpr int ResultsTemplateId(int m, int k) { return 30100 + 10 * m + k; }

// The skin pictures: ids 1 to 92 without 38 to 40, in order.
QList<int> GraphicIds();
// File name of a skin picture ("about_off.bmp"), or empty text for an id without one.
QString GraphicFileName(int id);
