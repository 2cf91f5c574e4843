#include "ui/main/topic_entry.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "ui/frame/accessible_choice.h"
#include "ui/frame/focus_mark.h"
#include "ui/frame/skin_style.h"

namespace {
// The chosen topic's ground; its black text reads at 5.3:1 there.
// Room around the entry for the focus mark, so the mark never crosses the text.
constexpr int kMarkMargin = 3;
}  // namespace

TopicEntry::TopicEntry(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
    MakeChoice(this, QAccessible::RadioButton);
    setCursor(Qt::PointingHandCursor);
    // Drawn as the label of a list, not as a button.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    SetTextColour(this, Qt::black);
    WatchInputForFocusMarks();
    setChosen(false);
}

void TopicEntry::setEntryRect(const QRect& entry) {
    setGeometry(entry.adjusted(-kMarkMargin, -kMarkMargin, kMarkMargin, kMarkMargin));
}

QRect TopicEntry::entryRect() const {
    return rect().adjusted(kMarkMargin, kMarkMargin, -kMarkMargin, -kMarkMargin);
}

void TopicEntry::setChosen(bool chosen) {
    SetChosen(this, chosen);
    update();
}

bool TopicEntry::hitButton(const QPoint& pos) const {
    return entryRect().contains(pos);
}

bool TopicEntry::chosen() const {
    return IsChosen(this);
}

void TopicEntry::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (chosen()) p.fillRect(entryRect(), kChosenTopicGround);
    style()->drawItemText(&p, entryRect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          text(), foregroundRole());
    if (ShowsFocusMark(this)) PaintFocusMark(p, rect());
}

void TopicEntry::focusInEvent(QFocusEvent*) {
    // Only the focus mark changes with the focus; without it there is nothing to repaint.
    if (ShowsFocusMark(this)) update();
}

void TopicEntry::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
