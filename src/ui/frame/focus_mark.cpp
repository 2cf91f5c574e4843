#include "ui/frame/focus_mark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace {

class InputWatch : public QObject {
  public:
    bool keyboard = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                set(true);
                break;
            case QEvent::FocusIn: {
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) set(true);
                break;
            }
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                set(false);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    void set(bool on) {
        if (on == keyboard) return;
        keyboard = on;
        if (QWidget* focus = QApplication::focusWidget()) focus->update();
    }
};

InputWatch* g_watch = nullptr;

}  // namespace

void WatchInputForFocusMarks() {
    if (g_watch || !qApp) return;
    g_watch = new InputWatch;
    g_watch->setParent(qApp);
    qApp->installEventFilter(g_watch);
}

bool ShowsFocusMark(const QWidget* widget) {
    return widget->hasFocus() && g_watch && g_watch->keyboard;
}
