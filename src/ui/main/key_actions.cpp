#include "ui/main/key_actions.h"

#include <QShortcut>

#include "ui/main/contents.h"
#include "ui/main/report/report_fill.h"

MainKeyActions::MainKeyActions(Contents& contents) : QObject(&contents), m_contents(contents) {
    for (const MainShortcut& s : MainShortcuts()) {
        auto* shortcut = new QShortcut(s.key, &contents);
        connect(shortcut, &QShortcut::activated, this,
                [this, a = s.action, page = s.page] { perform(a, page); });
    }
}

bool MainKeyActions::showModulePage() {
    const MainSession& session = m_contents.session();
    const int module = session.shared().LChose;
    if (!session.moduleExists(module)) return false;
    if (session.navigation().txtTabPos == kHelpTab) m_contents.tabClick(module);
    return true;
}

void MainKeyActions::showHelpPage() {
    if (m_contents.session().navigation().txtTabPos != kHelpTab) m_contents.tabClick(kHelpTab);
}

void MainKeyActions::moveToTab(int step) {
    // The tabs that are shown: the defined modules and Help.
    const MainSession& session = m_contents.session();
    QList<int> tabs;
    for (int k = 1; k <= kModuleCount; ++k)
        if (session.moduleExists(k)) tabs << k;
    tabs << kHelpTab;
    const qsizetype at = std::max<qsizetype>(0, tabs.indexOf(session.navigation().txtTabPos));
    const qsizetype n = tabs.size();
    m_contents.tabClick(tabs[((at + step) % n + n) % n]);
}

void MainKeyActions::showReportPage(int page) {
    if (!showModulePage()) return;
    // On a module page the toolbar slot says which view is in front.
    if (m_contents.session().navigation().txtToolBarPos != 2) m_contents.toolbarClick(2);
    m_contents.reportBarClick(page);
}

void MainKeyActions::perform(MainAction action, int page) {
    act(action, page);
    // A key that shows a view puts the focus on its first control, wherever the focus was.
    switch (action) {
        case MainAction::Print:
        case MainAction::Close:
        case MainAction::Setup:
            return;
        default:
            m_contents.focusFrontView();
    }
}

void MainKeyActions::act(MainAction action, int page) {
    switch (action) {
        case MainAction::Home:
        case MainAction::Report:
            if (showModulePage()) m_contents.toolbarClick(action == MainAction::Home ? 1 : 2);
            return;
        case MainAction::Print:
            if (m_contents.session().moduleExists(m_contents.session().shared().LChose))
                PrintResults(m_contents, m_contents.session().reportInputs());
            return;
        case MainAction::Close:
            m_contents.CloseProgram();
            return;
        case MainAction::About:
        case MainAction::Trash:
            showHelpPage();
            m_contents.toolbarClick(action == MainAction::About ? 1 : 2);
            return;
        case MainAction::Setup:
            PrinterSetup(m_contents);
            m_contents.keepLearnerSettings();
            return;
        case MainAction::Learners:
            m_contents.showLearners();
            return;
        case MainAction::Overview:
            m_contents.showOverview();
            return;
        case MainAction::HelpTab:
            m_contents.tabClick(kHelpTab);
            return;
        case MainAction::NextTab:
        case MainAction::PreviousTab:
            moveToTab(action == MainAction::NextTab ? 1 : -1);
            return;
        case MainAction::ReportPage:
            showReportPage(page);
            return;
    }
}
