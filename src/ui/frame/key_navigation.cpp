#include "ui/frame/key_navigation.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include "ui/frame/accessible_choice.h"

bool Usable(const QAbstractButton* button) {
    return button && button->isVisible() && button->isEnabled() &&
           (button->focusPolicy() & Qt::TabFocus);
}

ArrowGroup::ArrowGroup(const QList<QAbstractButton*>& buttons, Move move, QObject* parent)
    : QObject(parent), m_buttons(buttons), m_move(move) {
    for (QAbstractButton* b : m_buttons) b->installEventFilter(this);
}

bool ArrowGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    const qsizetype at = m_buttons.indexOf(static_cast<QAbstractButton*>(watched));
    const qsizetype n = m_buttons.size();
    if (at < 0) return false;
    qsizetype start = at;
    int step = 0;
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_Home:
            start = n - 1;
            step = 1;
            break;
        case Qt::Key_End:
            start = 0;
            step = -1;
            break;
        default:
            return false;
    }
    for (qsizetype k = 1; k <= n; ++k) {
        QAbstractButton* candidate = m_buttons[((start + step * k) % n + n) % n];
        if (!Usable(candidate)) continue;
        if (candidate != watched) {
            candidate->setFocus(Qt::TabFocusReason);
            if (m_move == Move::FocusAndPress) candidate->click();
        }
        break;
    }
    return true;  // never passed on: a button would otherwise move to another stop
}

QAbstractButton* StopEntry(const FocusStop& stop) {
    for (QAbstractButton* b : stop.buttons)
        if (Usable(b) && ((b->isCheckable() && b->isChecked()) || IsChosen(b))) return b;
    for (QAbstractButton* b : stop.buttons)
        if (Usable(b)) return b;
    return nullptr;
}

QAbstractButton* NextFocusStop(const QList<FocusStop>& stops, const QWidget* current,
                               bool forward) {
    const qsizetype n = stops.size();
    if (n == 0) return nullptr;
    qsizetype at = -1;
    for (qsizetype i = 0; i < n && at < 0; ++i)
        for (QAbstractButton* b : stops[i].buttons)
            if (b == current) at = i;
    if (at < 0) at = forward ? n - 1 : 0;
    for (qsizetype k = 1; k <= n; ++k) {
        const qsizetype i = ((at + (forward ? k : -k)) % n + n) % n;
        if (QAbstractButton* entry = StopEntry(stops[i])) return entry;
    }
    return nullptr;
}
