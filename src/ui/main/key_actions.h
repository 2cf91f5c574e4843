#pragma once
// What the main window's keys do: each key of MainShortcuts() acts as the learner would with the
// mouse, going first to the page (module or Help) where its button lives.

#include <QObject>

#include "ui/main/main_keys.h"

class Contents;

class MainKeyActions : public QObject {
  public:
    // Gives `contents` one shortcut per key.
    explicit MainKeyActions(Contents& contents);
    // `page`: the report page of a MainAction::ReportPage.
    void perform(MainAction action, int page = 0);

  private:
    bool showModulePage();  // false when there is no module to show
    void showHelpPage();
    void act(MainAction action, int page);
    void moveToTab(int step);
    void showReportPage(int page);

    Contents& m_contents;
};
