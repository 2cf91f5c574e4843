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
         3,
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
         4,
         QT_TRANSLATE_NOOP("Keys", "answer sheet")},
        // A marked paper's worked solution, and back to the question.
        {PracticeAction::Solution,
         {QKeySequence(Qt::ALT | Qt::Key_W)},
         5,
         QT_TRANSLATE_NOOP("Keys", "How to work it out (marked)")},
        // The question's size; Ctrl+= and the keypad's keys do the same without being listed.
        {PracticeAction::ZoomIn,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus)},
         6,
         QT_TRANSLATE_NOOP("Keys", "larger")},
        {PracticeAction::ZoomOut,
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         6,
         QT_TRANSLATE_NOOP("Keys", "smaller")},
        {PracticeAction::ZoomReset,
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         6,
         QT_TRANSLATE_NOOP("Keys", "normal")},
        {PracticeAction::ZoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 0, nullptr},
        {PracticeAction::ZoomIn,
         {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))},
         0,
         nullptr},
        {PracticeAction::ZoomOut,
         {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))},
         0,
         nullptr},
        {PracticeAction::ZoomReset,
         {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0))},
         0,
         nullptr},
    };
    return table;
}

QString PaperKeysText() {
    QList<KeysLineEntry> entries;
    for (const PracticeKeys& entry : PracticeKeyTable())
        if (entry.keysLine > 0)
            entries.append(
                {entry.keysLine, QCoreApplication::translate("Keys", entry.keysLabel), entry.keys});
    return KeysText({QCoreApplication::translate(
                        "Keys", "Enter: next box, or open Qns left")},
                    entries);
}
