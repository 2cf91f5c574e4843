#include "ui/frame/list_keys.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

class EnterOpensList : public QObject {
  public:
    explicit EnterOpensList(QComboBox* list) : QObject(list), m_list(list) {
        list->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_list || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || m_list->count() == 0)
            return false;
        m_list->showPopup();
        return true;
    }

  private:
    QComboBox* m_list;
};

}  // namespace

void OpenListOnEnter(QComboBox* list) {
    new EnterOpensList(list);
}
