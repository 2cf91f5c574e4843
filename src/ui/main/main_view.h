#pragma once
// One of the main window's views (Home, Report, Erase, About): a panel below the tab strip that
// knows the Tab stops of its own controls.

#include <QList>
#include <QWidget>

#include "ui/frame/key_navigation.h"

class MainView : public QWidget {
  public:
    using QWidget::QWidget;
    // Its controls in Tab order; a group of buttons with arrow keys inside is one stop.
    virtual QList<FocusStop> focusStops() const = 0;
};
