#include "practice/paper.h"

#include "marking/scoring.h"
#include "practice/practice_log.h"

int Paper::questionOfPart(int part) const {
    for (qsizetype q = 0; q < questions.size(); ++q) {
        const Question& question = questions.at(q);
        if (part >= question.firstPart && part < question.firstPart + question.partCount)
            return static_cast<int>(q + 1);
    }
    return 0;
}

std::optional<Paper> PaperFromContent(const PaperContent& content, const QString& paperNumber) {
    if (!content.complete()) {
        qCWarning(lcPractice) << "the content tables of paper" << paperNumber
                              << "are missing or disagree";
        return std::nullopt;
    }
    Paper paper;
    paper.parts.reserve(content.keys.size());
    int part = 0;
    for (qsizetype q = 0; q < content.questionIds.size(); ++q) {
        const Question question{content.questionIds.at(q), part, content.partsPerQuestion.at(q)};
        for (int k = 0; k < question.partCount; ++k, ++part) {
            const std::optional<AnswerKind> kind = AnswerKindOfLetter(content.kinds.at(part));
            if (!kind) {
                // Marking it would score the part nothing without a word: the paper is refused.
                qCWarning(lcPractice) << "paper" << paperNumber << "question" << question.id
                                      << "has the answer kind" << content.kinds.at(part)
                                      << "that no rule knows (" << KnownKindLetters() << ")";
                return std::nullopt;
            }
            AnswerPart answerPart;
            answerPart.key = content.keys.at(part);
            answerPart.kind = *kind;
            answerPart.marks = PartMarks(content.marks.at(part));
            paper.parts.append(answerPart);
        }
        paper.questions.append(question);
    }
    return paper;
}
