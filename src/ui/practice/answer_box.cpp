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
    auto* validator = new AnswerValidator(this);
    connect(validator, &AnswerValidator::refused, this, &AnswerBox::refused);
    setValidator(validator);
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
