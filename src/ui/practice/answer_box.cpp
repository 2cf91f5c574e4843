#include "ui/practice/answer_box.h"

#include <QKeyEvent>

#include "ui/frame/skin_style.h"
#include "ui/practice/answer_validator.h"
#include "ui/practice/practice_actions.h"

AnswerBox::AnswerBox(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setToolTip(tr("Enter your answer"));
    setFrame(false);
    setFont(ArialFont(9));
    m_validator = new AnswerValidator(this);
    connect(m_validator, &AnswerValidator::refused, this, &AnswerBox::refused);
    setValidator(m_validator);
    setLongestAnswer(kLongestAnswer);
}

void AnswerBox::setLongestAnswer(int characters) {
    // The line edit cuts what goes past its own limit before the validator sees it: one more
    // than the answer may hold lets the validator see that a text is too long.
    const bool single = characters <= 1;
    m_validator->setLongestAnswer(single ? 0 : characters);
    setMaxLength(single ? 1 : characters + 1);
}

bool AnswerBox::event(QEvent* event) {
    // A line edit claims some control keys for itself (Ctrl+H deletes a character); the
    // window's keys go to the window.
    if (event->type() == QEvent::ShortcutOverride &&
        IsPracticeKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}
