#include "ui/practice/practice_actions.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

// The answer boxes take no keys of the table (Ctrl+H would otherwise delete a character there).

QList<QKeySequence> ActionKeys(PracticeAction action) {
    for (const PracticeKeys& entry : PracticeKeyTable())
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
    for (const PracticeKeys& entry : PracticeKeyTable())
        if (entry.keys.contains(pressed)) return true;
    return false;
}

void InstallActionKeys(QWidget* window, const std::function<void(PracticeAction)>& run) {
    for (const PracticeKeys& entry : PracticeKeyTable()) {
        for (const QKeySequence& key : entry.keys) {
            auto* shortcut = new QShortcut(key, window);
            shortcut->setContext(Qt::WindowShortcut);
            const PracticeAction action = entry.action;
            QObject::connect(shortcut, &QShortcut::activated, window,
                             [run, action] { run(action); });
        }
    }
}
