#include "ui/frame/skinned_button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "ui/frame/focus_mark.h"
#include "ui/frame/skin_picture.h"
#include "ui/frame/skin_style.h"

SkinnedButton::Look SkinnedButton::PlainLook() {
    return {QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"),
            QStringLiteral("button_on.bmp"), {}};
}

SkinnedButton::SkinnedButton(const QString& objectName, const QString& graphicsFolder,
                             QWidget* parent)
    : QAbstractButton(parent), m_folder(graphicsFolder) {
    setObjectName(objectName);
    // Tab reaches it; a mouse click leaves the focus where the learner was typing.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    WatchInputForFocusMarks();
}

void SkinnedButton::setLook(const Look& look) {
    if (look == m_look) return;
    m_look = look;
    update();
}

QString SkinnedButton::shownPicture() const {
    auto orNormal = [this](const QString& name) { return name.isEmpty() ? m_look.normal : name; };
    if (!isEnabled()) return orNormal(m_look.disabled);
    if (isDown()) return orNormal(m_look.pressed);
    if (m_hovered || m_hoverOverride) return orNormal(m_look.hovered);
    return m_look.normal;
}

void SkinnedButton::sizeToPicture(QSize fallback) {
    const QPixmap picture = SkinPicture(m_folder, m_look.normal);
    resize(picture.isNull() ? fallback : picture.size());
}

QSize SkinnedButton::sizeHint() const {
    const QPixmap picture = SkinPicture(m_folder, m_look.normal);
    return picture.isNull() ? QSize(16, 16) : picture.size();
}

void SkinnedButton::addCaption(QLabel* caption) {
    m_captions.append(caption);
    // A label inside a button would take the button's text role; a caption keeps its own.
    caption->setForegroundRole(QPalette::WindowText);
    caption->installEventFilter(this);
    if (!caption->toolTip().isEmpty() || !toolTip().isEmpty()) caption->setToolTip(toolTip());
    if (text().isEmpty()) setText(caption->text());
}

void SkinnedButton::setToolTipEverywhere(const QString& tip) {
    if (toolTip() != tip) setToolTip(tip);
    for (QLabel* caption : m_captions)
        if (caption->toolTip() != tip) caption->setToolTip(tip);
}

void SkinnedButton::setHoverOverride(bool hovered) {
    if (hovered == m_hoverOverride) return;
    m_hoverOverride = hovered;
    update();
}

void SkinnedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap picture = SkinPicture(m_folder, shownPicture());
    if (!picture.isNull()) p.drawPixmap(rect(), picture);
    if (ShowsFocusMark(this)) PaintFocusMark(p, rect());
}

void SkinnedButton::keyPressEvent(QKeyEvent* event) {
    // Space is handled by the base class (press on key down, click on key up).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void SkinnedButton::focusInEvent(QFocusEvent*) {
    // Only the focus mark changes with the focus; without it there is nothing to repaint.
    if (ShowsFocusMark(this)) update();
}

void SkinnedButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void SkinnedButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}

void SkinnedButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        for (QLabel* caption : m_captions) caption->setEnabled(isEnabled());
}

bool SkinnedButton::eventFilter(QObject* watched, QEvent* event) {
    auto* caption = qobject_cast<QLabel*>(watched);
    if (!caption || !m_captions.contains(caption))
        return QAbstractButton::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Enter:
            setHoverOverride(true);
            break;
        case QEvent::Leave:
            setHoverOverride(false);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !isEnabled()) return true;
            m_captionDown = caption;
            setDown(true);
            emit pressed();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || m_captionDown != caption) return true;
            m_captionDown = nullptr;
            const bool inside = caption->rect().contains(mouse->position().toPoint());
            setDown(false);
            emit released();
            if (inside && isEnabled()) emit clicked(isChecked());
            return true;
        }
        default:
            break;
    }
    return QAbstractButton::eventFilter(watched, event);
}
