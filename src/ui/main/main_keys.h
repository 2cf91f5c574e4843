#pragma once
// The keys of the main window, and the list of every key of both windows that the Help tab shows.

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
    OverallResults,
    TopicalResults,
    TrendAnalysis,
};

struct MainShortcut {
    MainAction action;
    QKeySequence key;
};

// Every shortcut of the main window, each action once.
const QList<MainShortcut>& MainShortcuts();
QKeySequence MainKey(MainAction action);

// "Load Home page (Alt+H)": a tooltip that names its key.
QString WithKey(const QString& tooltip, MainAction action);

// The keys of the main window and of a paper, two short columns under their headings.
QString MainWindowKeysHeading();
QString MainWindowKeysText();
QString PaperKeysHeading();
QString PaperKeysText();
