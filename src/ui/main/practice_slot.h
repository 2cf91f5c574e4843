#pragma once
// The one practice window the main window may have open at a time.

#include <QPointer>
#include <QWidget>

#include "ui/frame/practice_launcher.h"

class PracticeSlot {
  public:
    // Opens a window for attempt `take` through the factory and keeps it; false when the
    // factory could not open one, or the open window stays (see close).
    bool open(const PracticeWindowFactory& factory, ContentsChannel& contents, int take);
    // Unloads the open window without asking (its answers are saved silently first). False when
    // they could not be saved and the learner kept the window open.
    bool close();
    bool isOpen() const { return m_widget && m_widget->isVisible(); }

  private:
    QPointer<QWidget> m_widget;
    PracticeWindowHandle* m_handle = nullptr;
};
