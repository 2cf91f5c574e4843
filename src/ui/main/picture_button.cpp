#include "ui/main/picture_button.h"

#include <QMouseEvent>

#include "platform/picture_cache.h"

PictureButton::PictureButton(const QString& objectName, const QString& graphicsFolder,
                             QWidget* parent)
    : QLabel(parent), m_folder(graphicsFolder) {
    setObjectName(objectName);
    installEventFilter(this);
}

void PictureButton::addCaption(QLabel* caption) {
    m_captions.append(caption);
    caption->installEventFilter(this);
}

void PictureButton::showPicture(const QString& fileName) {
    if (fileName == m_pictureName && !pixmap().isNull()) return;
    const QPixmap picture = LoadPicture(m_folder, fileName);
    m_pictureName = fileName;
    if (!picture.isNull()) setPixmap(picture);
}

void PictureButton::sizeToPicture(QSize fallback) {
    const QPixmap picture = pixmap();
    resize(picture.isNull() ? fallback : picture.size());
}

void PictureButton::setTooltipEverywhere(const QString& tip) {
    if (toolTip() != tip) setToolTip(tip);
    for (QLabel* caption : m_captions)
        if (caption->toolTip() != tip) caption->setToolTip(tip);
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_down = watched;
            emit pressed();
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return true;
        const bool inside = m_down == watched && static_cast<QWidget*>(watched)->rect().contains(
                                                     mouse->position().toPoint());
        m_down = nullptr;
        emit released();
        if (inside) emit clicked();
        return true;
    }
    return QLabel::eventFilter(watched, event);
}
