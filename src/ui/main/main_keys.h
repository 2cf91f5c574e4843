#pragma once
// The keys of the main window, one table with the line each has in the Keys text of the Help
// tab, and that text, written from this table and the practice window's.

#include <QKeySequence>
#include <QList>
#include <QString>

enum class MainAction {
    Home,
    Report,
    Print,
    Close,
    About,
    Trash,
    Setup,
    HelpTab,
    NextTab,
    PreviousTab,
    ReportPage,  // one shortcut per page of the Report view (report_pages.h)
    Learners,
    Overview,
};

struct MainShortcut {
    MainAction action;
    QKeySequence key;
    int page = 0;  // ReportPage: the page it opens, 1-based
};

// Every shortcut of the main window, each action once and each report page once.
const QList<MainShortcut>& MainShortcuts();
QKeySequence MainKey(MainAction action);

// "Load Home page (Alt+H)": a tooltip that names its key.
QString WithKey(const QString& tooltip, MainAction action);
// The same for the bar of report page `page`.
QString WithReportPageKey(const QString& tooltip, int page);

// The keys of the main window and of a paper, two short columns under their headings.
QString MainWindowKeysHeading();
QString MainWindowKeysText();
QString PaperKeysHeading();
