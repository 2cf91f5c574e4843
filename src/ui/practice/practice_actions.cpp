#include "ui/practice/practice_actions.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

struct ActionKeysEntry {
    PracticeAction action;
    QList<QKeySequence> keys;
};

// The table. Page Up / Page Down turn pages of the paper like Back / Next; the answer boxes
// take no keys of it (Ctrl+H would otherwise delete a character there).
const QList<ActionKeysEntry>& Table() {
    static const QList<ActionKeysEntry> table = {
        {PracticeAction::Save, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {PracticeAction::Mark, {QKeySequence(Qt::CTRL | Qt::Key_M)}},
        {PracticeAction::Print, {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {PracticeAction::Close, {QKeySequence(Qt::CTRL | Qt::Key_W)}},
        {PracticeAction::Back,
         {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_PageUp)}},
        {PracticeAction::Next,
         {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_PageDown)}},
        {PracticeAction::ToggleSheet, {QKeySequence(Qt::CTRL | Qt::Key_H)}},
    };
    return table;
}

}  // namespace

QList<QKeySequence> ActionKeys(PracticeAction action) {
    for (const ActionKeysEntry& entry : Table())
        if (entry.action == action) return entry.keys;
    return {};
}

QString WithKeys(const QString& tip, PracticeAction action) {
    QStringList names;
    for (const QKeySequence& key : ActionKeys(action))
        names.append(key.toString(QKeySequence::NativeText));
    if (names.isEmpty()) return tip;
    return QStringLiteral("%1 (%2)").arg(tip, names.join(QStringLiteral(", ")));
}

bool IsPracticeKey(const QKeyEvent* event) {
    // Arrows and page keys of the keypad are the same keys.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(event->key())));
    for (const ActionKeysEntry& entry : Table())
        if (entry.keys.contains(pressed)) return true;
    return false;
}

void InstallActionKeys(QWidget* window, const std::function<void(PracticeAction)>& run) {
    for (const ActionKeysEntry& entry : Table()) {
        for (const QKeySequence& key : entry.keys) {
            auto* shortcut = new QShortcut(key, window);
            shortcut->setContext(Qt::WindowShortcut);
            const PracticeAction action = entry.action;
            QObject::connect(shortcut, &QShortcut::activated, window,
                             [run, action] { run(action); });
        }
    }
}
