#pragma once
// Keyboard movement between controls: arrow keys inside a group of buttons (a toolbar, a tab
// strip, a list of topics) and Tab from one stop to the next, where a group is one stop.

#include <QList>
#include <QObject>

class QAbstractButton;
class QWidget;

// Left/Up go to the previous, Right/Down to the next shown and enabled button of the group,
// Home and End to the first and last, wrapping round at the ends. A choosing group (tabs, topics)
// also presses the button it moves to, as a tab bar does; the others only move the focus.
class ArrowGroup : public QObject {
  public:
    enum class Move { FocusOnly, FocusAndPress };

    ArrowGroup(const QList<QAbstractButton*>& buttons, Move move, QObject* parent);

    const QList<QAbstractButton*>& buttons() const { return m_buttons; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QAbstractButton*> m_buttons;
    Move m_move;
};

// One stop of the Tab order: a single button or a group's buttons, entered at its checked or
// chosen button (the chosen tab or topic) or else at its first usable one.
struct FocusStop {
    QList<QAbstractButton*> buttons;
};

// A button that can take the focus now: shown, enabled, and reachable by Tab.
bool Usable(const QAbstractButton* button);

// Where a stop is entered; null when none of its buttons is usable.
QAbstractButton* StopEntry(const FocusStop& stop);

// The entry of the stop after (or before) the one holding `current`, wrapping round and skipping
// stops without a usable button. From outside every stop: the first (or last) stop.
QAbstractButton* NextFocusStop(const QList<FocusStop>& stops, const QWidget* current, bool forward);
