#include "ui/frame/accessible_window.h"

#include <QAccessibleWidget>
#include <QFrame>

#include "ui/frame/skinned_window.h"

namespace {

class AccessibleWindow : public QAccessibleWidget {
  public:
    AccessibleWindow(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.active = widget()->isActiveWindow();
        return s;
    }
};

QAccessibleInterface* WindowFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("SkinnedWindow") && widget->isWindow()) {
        const bool dialog = widget->windowType() == Qt::Dialog;
        return new AccessibleWindow(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    // Asked only for widgets whose own classes have no interface of their own (labels, lists
    // and views are answered before their QFrame base is reached).
    if (className == QLatin1String("QFrame") && !widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(WindowFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
