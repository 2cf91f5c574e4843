#include "ui/frame/accessible_choice.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

const char* const kRoleProperty = "hmChoiceRole";
const char* const kChosenProperty = "hmChosen";

class AccessibleChoice : public QAccessibleWidget {
  public:
    AccessibleChoice(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) return button()->text();
        return own;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = IsChosen(button());
        s.selected = s.checked;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ChoiceFactory(const QString&, QObject* object) {
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (!button) return nullptr;
    const QVariant role = button->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new AccessibleChoice(button, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void MakeChoice(QAbstractButton* button, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(ChoiceFactory);
        return true;
    }();
    Q_UNUSED(installed);
    button->setProperty(kRoleProperty, int(role));
    button->setProperty(kChosenProperty, false);
}

void SetChosen(QAbstractButton* button, bool chosen) {
    if (IsChosen(button) == chosen) return;
    button->setProperty(kChosenProperty, chosen);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

bool IsChosen(const QAbstractButton* button) {
    return button->property(kChosenProperty).toBool();
}
