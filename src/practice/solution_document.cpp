#include "practice/solution_document.h"

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "practice/practice_log.h"
#include "practice/practice_session.h"

namespace {

// The question id of question q, or 0 out of range.
int QuestionIdOf(const PracticeSession& session, int question) {
    if (question < 1 || question > session.QuestionCount()) return 0;
    bool ok = false;
    const int id = session.state().paper.questions.at(question - 1).id.toInt(&ok);
    return ok ? id : 0;
}

}  // namespace

bool HasSolution(const PracticeSession& session, int question) {
    const int id = QuestionIdOf(session, question);
    return id > 0 && ResourceExists(SolutionId(id));
}

QString SolutionFilePath(const PracticeSession& session, int question) {
    const int id = QuestionIdOf(session, question);
    if (id == 0) return QString();
    return session.state().inputs.programFolder + QStringLiteral("/tempsolution%1.mht").arg(id);
}

SolutionWrite WriteSolutionDocument(const PracticeSession& session, int question) {
    if (!session.isMarked()) return SolutionWrite::NotMarked;
    if (!HasSolution(session, question)) return SolutionWrite::NoSolution;
    const QString path = SolutionFilePath(session, question);
    // Removed with the question's file when the window closes: no disk sync needed.
    const int id = SolutionId(QuestionIdOf(session, question));
    if (ExtractResource(id, QStringLiteral("Custom"), path, FileSync::None) != ExtractResult::Ok) {
        qCWarning(lcPractice) << "the solution of question" << question << "could not be written to"
                              << path;
        return SolutionWrite::CannotWrite;
    }
    return SolutionWrite::Written;
}
