#pragma once
// A question's worked solution as the practice window reads it: written out from the package
// to a file of its own beside the question's, and only once the attempt is marked, so that before
// marking no file the learner can reach holds it.

#include <QString>

class PracticeSession;

enum class SolutionWrite {
    Written,
    NotMarked,    // refused: the attempt is not marked
    NoSolution,   // the question is out of range or the package holds no solution for it
    CannotWrite,  // the file could not be written (logged)
};

// True when the package holds a solution for question q (1-based) of the paper.
bool HasSolution(const PracticeSession& session, int question);

// <programFolder>/tempsolution<question id>.mht; empty text out of range.
QString SolutionFilePath(const PracticeSession& session, int question);

// Writes question q's solution to SolutionFilePath, in a marked attempt only.
SolutionWrite WriteSolutionDocument(const PracticeSession& session, int question);
