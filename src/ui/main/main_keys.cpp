#include "ui/main/main_keys.h"

#include <QCoreApplication>

#include "ui/frame/keys_text.h"
#include "ui/main/report_pages.h"

namespace {
class KeysWords {
    Q_DECLARE_TR_FUNCTIONS(Keys)
};

QString Native(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}

struct MainKeys {
    MainAction action;
    QKeySequence key;
    int keysLine;           // its line in the Keys text; 0: not listed there
    const char* keysLabel;  // the words after its key
};

// The report pages' keys share line 2 under one label, wherever they come in this table.
constexpr int kReportPagesLine = 2;

const QList<MainKeys>& Table() {
    static const QList<MainKeys> table = {
        {MainAction::Home, QKeySequence(Qt::ALT | Qt::Key_H), 1, QT_TRANSLATE_NOOP("Keys", "Home")},
        {MainAction::Report, QKeySequence(Qt::ALT | Qt::Key_R), 1,
         QT_TRANSLATE_NOOP("Keys", "Report")},
        {MainAction::Print, QKeySequence(Qt::CTRL | Qt::Key_P), 4,
         QT_TRANSLATE_NOOP("Keys", "Print")},
        {MainAction::Close, QKeySequence(Qt::CTRL | Qt::Key_Q), 4,
         QT_TRANSLATE_NOOP("Keys", "Close")},
        {MainAction::About, QKeySequence(Qt::ALT | Qt::Key_A), 1,
         QT_TRANSLATE_NOOP("Keys", "About")},
        {MainAction::Trash, QKeySequence(Qt::ALT | Qt::Key_T), 3,
         QT_TRANSLATE_NOOP("Keys", "Erase")},
        {MainAction::Setup, QKeySequence(Qt::ALT | Qt::Key_S), 3,
         QT_TRANSLATE_NOOP("Keys", "Setup")},
        {MainAction::Learners, QKeySequence(Qt::ALT | Qt::Key_L), 3,
         QT_TRANSLATE_NOOP("Keys", "Learners")},
        {MainAction::Overview, QKeySequence(Qt::ALT | Qt::Key_O), 4,
         QT_TRANSLATE_NOOP("Keys", "Overview")},
        {MainAction::HelpTab, QKeySequence(Qt::Key_F1), 5, QT_TRANSLATE_NOOP("Keys", "Help")},
        {MainAction::NextTab, QKeySequence(Qt::CTRL | Qt::Key_PageDown), 5,
         QT_TRANSLATE_NOOP("Keys", "tabs")},
        {MainAction::PreviousTab, QKeySequence(Qt::CTRL | Qt::Key_PageUp), 5,
         QT_TRANSLATE_NOOP("Keys", "tabs")},
    };
    return table;
}

}  // namespace

const QList<MainShortcut>& MainShortcuts() {
    static const QList<MainShortcut> keys = [] {
        QList<MainShortcut> all;
        for (const MainKeys& entry : Table()) all.append({entry.action, entry.key});
        for (int page = 1; page <= ReportPageCount(); ++page)
            all.append(
                {MainAction::ReportPage, QKeySequence(ReportPages()[size_t(page - 1)].key), page});
        return all;
    }();
    return keys;
}

QKeySequence MainKey(MainAction action) {
    for (const MainShortcut& s : MainShortcuts())
        if (s.action == action) return s.key;
    return {};
}

QString WithKey(const QString& tooltip, MainAction action) {
    return KeysWords::tr("%1 (%2)").arg(tooltip, Native(MainKey(action)));
}

QString WithReportPageKey(const QString& tooltip, int page) {
    return KeysWords::tr("%1 (%2)").arg(tooltip,
                                        Native(QKeySequence(ReportPages()[size_t(page - 1)].key)));
}

QString MainWindowKeysText() {
    QList<KeysLineEntry> entries;
    for (const MainKeys& entry : Table())
        if (entry.keysLine > 0)
            entries.append({entry.keysLine, KeysWords::tr(entry.keysLabel), {entry.key}});
    for (const ReportPage& page : ReportPages())
        entries.append({kReportPagesLine, KeysWords::tr("report pages"), {QKeySequence(page.key)}});
    return KeysText({KeysWords::tr("Tab, arrows: move; Enter: press"),
                     KeysWords::tr("Pop-ups: Enter Yes, Esc No, Y, N")},
                    entries);
}

QString MainWindowKeysHeading() {
    return KeysWords::tr("Keys");
}

QString PaperKeysHeading() {
    return KeysWords::tr("In a paper");
}
