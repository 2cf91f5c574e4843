#include "ui/main/main_keys.h"

#include <QCoreApplication>

namespace {
class KeysText {
    Q_DECLARE_TR_FUNCTIONS(Keys)
};

QString Native(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}
}  // namespace

const QList<MainShortcut>& MainShortcuts() {
    static const QList<MainShortcut> keys = {
        {MainAction::Home, QKeySequence(Qt::ALT | Qt::Key_H)},
        {MainAction::Report, QKeySequence(Qt::ALT | Qt::Key_R)},
        {MainAction::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {MainAction::Close, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {MainAction::About, QKeySequence(Qt::ALT | Qt::Key_A)},
        {MainAction::Trash, QKeySequence(Qt::ALT | Qt::Key_T)},
        {MainAction::Setup, QKeySequence(Qt::ALT | Qt::Key_S)},
        {MainAction::HelpTab, QKeySequence(Qt::Key_F1)},
        {MainAction::NextTab, QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {MainAction::PreviousTab, QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {MainAction::OverallResults, QKeySequence(Qt::CTRL | Qt::Key_1)},
        {MainAction::TopicalResults, QKeySequence(Qt::CTRL | Qt::Key_2)},
        {MainAction::TrendAnalysis, QKeySequence(Qt::CTRL | Qt::Key_3)},
    };
    return keys;
}

QKeySequence MainKey(MainAction action) {
    for (const MainShortcut& s : MainShortcuts())
        if (s.action == action) return s.key;
    return {};
}

QString WithKey(const QString& tooltip, MainAction action) {
    return KeysText::tr("%1 (%2)").arg(tooltip, Native(MainKey(action)));
}

QString MainWindowKeysText() {
    auto k = [](MainAction a) { return Native(MainKey(a)); };
    return KeysText::tr(
               "Tab, arrows: move; Enter: press\n"
               "%1 Home, %2 Report\n"
               "%3, %4, %5: report pages\n"
               "%6 Print, %7 Close\n"
               "%8 Help; %9, %10: tabs")
        .arg(k(MainAction::Home), k(MainAction::Report), k(MainAction::OverallResults),
             k(MainAction::TopicalResults), k(MainAction::TrendAnalysis), k(MainAction::Print),
             k(MainAction::Close), k(MainAction::HelpTab), k(MainAction::NextTab))
        .arg(k(MainAction::PreviousTab));
}

QString MainWindowKeysHeading() {
    return KeysText::tr("Keys");
}

QString PaperKeysHeading() {
    return KeysText::tr("In a paper");
}

QString PaperKeysText() {
    // The practice window's own keys.
    auto k = [](QKeyCombination c) { return Native(QKeySequence(c)); };
    return KeysText::tr(
               "Enter: next answer box\n"
               "%1, %2: Next\n"
               "%3, %4: Back\n"
               "%5 Save, %6 Mark\n"
               "%7 Print, %8 Close\n"
               "%9 answer sheet")
        .arg(k(Qt::ALT | Qt::Key_Right), k(Qt::Key_PageDown), k(Qt::ALT | Qt::Key_Left),
             k(Qt::Key_PageUp), k(Qt::CTRL | Qt::Key_S), k(Qt::CTRL | Qt::Key_M),
             k(Qt::CTRL | Qt::Key_P), k(Qt::CTRL | Qt::Key_W), k(Qt::CTRL | Qt::Key_H));
}
