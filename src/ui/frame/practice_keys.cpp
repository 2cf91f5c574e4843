#include "ui/frame/practice_keys.h"

#include <QCoreApplication>

#include "ui/frame/keys_text.h"

// Page Up / Page Down turn pages of the paper like Back / Next.
const QList<PracticeKeys>& PracticeKeyTable() {
    static const QList<PracticeKeys> table = {
        {PracticeAction::Save,
         {QKeySequence(Qt::CTRL | Qt::Key_S)},
         3,
         QT_TRANSLATE_NOOP("Keys", "Save")},
        {PracticeAction::Mark,
         {QKeySequence(Qt::CTRL | Qt::Key_M)},
         3,
         QT_TRANSLATE_NOOP("Keys", "Mark")},
        {PracticeAction::Print,
         {QKeySequence(Qt::CTRL | Qt::Key_P)},
         4,
         QT_TRANSLATE_NOOP("Keys", "Print")},
        {PracticeAction::Close,
         {QKeySequence(Qt::CTRL | Qt::Key_W)},
         4,
         QT_TRANSLATE_NOOP("Keys", "Close")},
        {PracticeAction::Back,
         {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_PageUp)},
         2,
         QT_TRANSLATE_NOOP("Keys", "Back")},
        {PracticeAction::Next,
         {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_PageDown)},
         1,
         QT_TRANSLATE_NOOP("Keys", "Next")},
        {PracticeAction::ToggleSheet,
         {QKeySequence(Qt::CTRL | Qt::Key_H)},
         5,
         QT_TRANSLATE_NOOP("Keys", "answer sheet")},
        // A marked paper's worked solution, and back to the question.
        {PracticeAction::Solution,
         {QKeySequence(Qt::ALT | Qt::Key_W)},
         6,
         QT_TRANSLATE_NOOP("Keys", "How to work it out (marked paper)")},
    };
    return table;
}

QString PaperKeysText() {
    QList<KeysLineEntry> entries;
    for (const PracticeKeys& entry : PracticeKeyTable())
        entries.append(
            {entry.keysLine, QCoreApplication::translate("Keys", entry.keysLabel), entry.keys});
    return KeysText({QCoreApplication::translate("Keys", "Enter: next answer box")}, entries);
}
