#include "ui/frame/announcer.h"

#include <QAccessibleWidget>

namespace {

const char* const kName = "lblAnnouncement";

class AccessibleAnnouncement : public QAccessibleWidget {
  public:
    explicit AccessibleAnnouncement(Announcer* a)
        : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AnnouncementFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new AccessibleAnnouncement(static_cast<Announcer*>(object));
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncementFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QLatin1String(kName));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    // Hidden and shown again, so the same words said twice are heard twice.
    hide();
    m_text = text;
    if (!window()->isVisible()) return;  // nobody could hear it
    show();
    lower();
}

Announcer* FindAnnouncer(const QWidget* within) {
    if (!within) return nullptr;
    return within->window()->findChild<Announcer*>(QLatin1String(kName),
                                                   Qt::FindDirectChildrenOnly);
}

void Announce(QWidget* within, const QString& text) {
    if (!within) return;
    Announcer* a = FindAnnouncer(within);
    if (!a) a = new Announcer(within->window());
    a->announce(text);
}
