#include "ui/main/topic_entry.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "ui/frame/accessible_choice.h"
#include "ui/frame/focus_mark.h"
#include "ui/frame/skin_style.h"

namespace {
// The chosen topic's ground, and its text: black reads at 5.3:1 on that grey.
const QColor kChosenGround(128, 128, 128);
const QColor kChosenText(0, 0, 0);
}  // namespace

TopicEntry::TopicEntry(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
    MakeChoice(this, QAccessible::RadioButton);
    setCursor(Qt::PointingHandCursor);
    // Drawn as the label of a list, not as a button.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    WatchInputForFocusMarks();
    setChosen(false);
}

void TopicEntry::setChosen(bool chosen) {
    SetChosen(this, chosen);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, chosen ? kChosenText : QColor(Qt::black));
    pal.setColor(QPalette::Window, kChosenGround);
    setPalette(pal);
    setAutoFillBackground(chosen);
    update();
}

bool TopicEntry::chosen() const {
    return IsChosen(this);
}

void TopicEntry::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, rect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
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
