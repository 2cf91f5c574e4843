#pragma once
// One paper as data: its questions in paper order and their answer parts. Parts are numbered
// through the whole paper (the files and the group rule see them so); a question names its own.

#include <QList>
#include <QString>

#include <optional>

#include "content/paper_content.h"
#include "marking/answer_part.h"

struct Question {
    QString id;         // question id: its document and its record key in the answer tables
    int firstPart = 0;  // index of its first part in Paper::parts
    int partCount = 0;
};

struct Paper {
    QList<Question> questions;
    QList<AnswerPart> parts;  // every part of every question, question 1's first

    int partCount() const { return static_cast<int>(parts.size()); }
    // The question that part `part` belongs to, 1-based; 0 out of range.
    int questionOfPart(int part) const;
};

// The paper the content tables describe, answers and verdicts still empty. Nothing when the
// tables disagree or a kind letter is one no rule knows; each such problem is logged with the
// paper number and the question.
std::optional<Paper> PaperFromContent(const PaperContent& content, const QString& paperNumber);
