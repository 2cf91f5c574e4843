// The main window without a mouse: Tab order, arrow keys, shortcuts, and what a screen reader
// is told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>

#include "contents_fixture.h"
#include "ui/frame/skinned_button.h"

namespace {

QString FocusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// The names the focus visits on `count` presses of Tab (or Shift+Tab).
QStringList TabWalk(Contents& c, int count, bool back = false) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &c;
        QTest::keyClick(target, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        names << FocusName();
    }
    return names;
}

void Press(Contents& c, QKeyCombination key) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &c;
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

// Every widget of the window a screen reader can reach while it is shown: focusable ones carry a
// name, buttons offer a press, and nothing is an editable field.
void ExpectNamedAndPressable(Contents& c, const char* where) {
    for (QWidget* w : c.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        const QString name = a->text(QAccessible::Name);
        if (a->state().focusable) {
            EXPECT_FALSE(name.trimmed().isEmpty()) << where << ": " << qPrintable(w->objectName());
        }
        EXPECT_FALSE(a->state().editable) << where << ": " << qPrintable(w->objectName());
        if (qobject_cast<QAbstractButton*>(w)) {
            ASSERT_NE(a->actionInterface(), nullptr) << qPrintable(w->objectName());
            EXPECT_TRUE(a->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()))
                << where << ": " << qPrintable(w->objectName());
        }
    }
}

}  // namespace

TEST_F(ContentsTest, TabVisitsTheToolbarTabsTopicsPapersAndTitleButtonsInOrder) {
    {
        auto first = start();
        writeScores(*first, {"40", "100"}, {});
    }
    auto c = start();
    // The chosen topic has the focus from the start; Tab moves on from there.
    EXPECT_EQ(FocusName(), QStringLiteral("Topic1"));
    const QStringList forward = {"P1a",        "P1b",          "P2a",       "P3a",   "P4a",   "P5a",
                                 "imgProgMin", "imgProgClose", "ToolBar01", "Tab02", "Topic1"};
    EXPECT_EQ(TabWalk(*c, int(forward.size())), forward);
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    backward.removeFirst();
    backward.append(QStringLiteral("Topic1"));
    EXPECT_EQ(TabWalk(*c, int(backward.size()), true), backward);

    // The Report view: its bars are one stop, entered at the open page.
    c->toolbarClick(2);
    c->reportBarClick(2);
    EXPECT_EQ(FocusName(), QStringLiteral("RCBar1"));  // the focus followed into the view
    EXPECT_EQ(TabWalk(*c, 6), (QStringList{"butExport", "imgProgMin", "imgProgClose", "ToolBar01",
                                           "Tab02", "RCBar2"}));
}

TEST_F(ContentsTest, ArrowKeysMoveWithinTheToolbarTabsTopicsAndBars) {
    auto c = start();
    Press(*c, Qt::Key_Down);  // topics choose as they move
    EXPECT_EQ(FocusName(), QStringLiteral("Topic2"));
    EXPECT_EQ(c->sharedFields().TopicCount, 6);
    Press(*c, Qt::Key_Up);
    Press(*c, Qt::Key_Up);  // round to the last topic
    EXPECT_EQ(FocusName(),
              QStringLiteral("Topic%1").arg(c->session().catalogue().module(2).numberOfTopics));
    Press(*c, Qt::Key_Home);
    EXPECT_EQ(c->sharedFields().TopicCount, 1);

    // Enter opens the focused paper.
    TabWalk(*c, 1);
    ASSERT_EQ(FocusName(), QStringLiteral("P1a"));
    Press(*c, Qt::Key_Return);
    EXPECT_EQ(m_log, QStringList{"open 101 1"});

    // The toolbar only moves the focus; Space presses.
    TabWalk(*c, 7);  // P2a..P5a, the title-bar buttons, the toolbar
    ASSERT_EQ(FocusName(), QStringLiteral("ToolBar01"));
    Press(*c, Qt::Key_Right);
    EXPECT_EQ(FocusName(), QStringLiteral("ToolBar02"));
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Home"));
    Press(*c, Qt::Key_Space);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Report"));
    Press(*c, Qt::Key_Left);
    Press(*c, Qt::Key_Left);  // round to Close, which stays unpressed
    EXPECT_EQ(FocusName(), QStringLiteral("ToolBar04"));
    EXPECT_TRUE(c->isVisible());

    // The report bars choose their sub-view; the tabs choose theirs, skipping missing modules.
    TabWalk(*c, 2);
    ASSERT_EQ(FocusName(), QStringLiteral("RCBar1"));
    Press(*c, Qt::Key_Down);
    EXPECT_EQ(c->session().navigation().txtReportPos, 2);
    TabWalk(*c, 5);  // Export, the title-bar buttons, the toolbar, the tabs
    ASSERT_EQ(FocusName(), QStringLiteral("Tab02"));
    Press(*c, Qt::Key_Right);
    EXPECT_EQ(FocusName(), QStringLiteral("Tab04"));
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_About"));
    Press(*c, Qt::Key_Right);
    EXPECT_EQ(c->session().navigation().txtTabPos, 2);
}

TEST_F(ContentsTest, ShortcutsReachEveryPageAndNameThemselvesInTooltips) {
    auto c = start();
    Press(*c, Qt::ALT | Qt::Key_R);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Report"));
    Press(*c, Qt::CTRL | Qt::Key_3);
    EXPECT_EQ(c->session().navigation().txtReportPos, 3);
    Press(*c, Qt::Key_F1);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_About"));
    Press(*c, Qt::ALT | Qt::Key_T);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Trash"));
    // A report page from the Help tab goes back to the module first.
    Press(*c, Qt::CTRL | Qt::Key_2);
    EXPECT_EQ(c->session().navigation().txtTabPos, 2);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Report"));
    EXPECT_EQ(c->session().navigation().txtReportPos, 2);
    Press(*c, Qt::ALT | Qt::Key_H);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Home"));
    Press(*c, Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(c->session().navigation().txtTabPos, 4);
    Press(*c, Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(c->session().navigation().txtTabPos, 2);

    EXPECT_EQ(child(*c, QStringLiteral("ToolBar02"))->toolTip(),
              QStringLiteral("Load Report card (Alt+R)"));
    EXPECT_EQ(child(*c, QStringLiteral("lblRCBar3"))->toolTip(),
              QStringLiteral("Trend Analysis (Ctrl+3)"));
    const QString keys =
        text(*c, QStringLiteral("lblKeys1")) + text(*c, QStringLiteral("lblKeys2"));
    for (const char* key : {"Alt+H", "Alt+R", "Ctrl+P", "Ctrl+Q", "F1", "Ctrl+1", "Ctrl+M",
                            "Ctrl+S", "Ctrl+W", "Ctrl+H", "PgDown", "Alt+W"})
        EXPECT_TRUE(keys.contains(QLatin1String(key))) << key;

    Press(*c, Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(c->isVisible());
}

// A button of a view that hides itself, or a view key pressed anywhere (the title bar too), puts
// the focus on the first control of the view shown, never on the title bar.
TEST_F(ContentsTest, TheFocusGoesIntoTheViewShownNeverToTheTitleBar) {
    auto c = start();
    c->minimiseButton()->setFocus(Qt::TabFocusReason);
    Press(*c, Qt::ALT | Qt::Key_T);
    EXPECT_EQ(FocusName(), QStringLiteral("ButTrash"));
    Press(*c, Qt::Key_Return);
    EXPECT_EQ(FocusName(), QStringLiteral("ButTrash_No"));
    Press(*c, Qt::Key_Return);
    EXPECT_EQ(FocusName(), QStringLiteral("ButTrash"));
    Press(*c, Qt::Key_Return);
    Press(*c, Qt::Key_Right);
    EXPECT_EQ(FocusName(), QStringLiteral("ButTrash_Yes"));
    Press(*c, Qt::Key_Return);
    EXPECT_TRUE(FocusName().startsWith(QStringLiteral("ToolBar"))) << qPrintable(FocusName());

    for (QKeyCombination key : {Qt::ALT | Qt::Key_R, Qt::Key_F1 | Qt::NoModifier,
                                Qt::ALT | Qt::Key_H, Qt::CTRL | Qt::Key_PageDown}) {
        c->closeButton()->setFocus(Qt::TabFocusReason);
        Press(*c, key);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(c->frontView()->isAncestorOf(focus)) << qPrintable(FocusName());
    }
}

TEST_F(ContentsTest, AScreenReaderFindsNamedPressableControlsAndScoresWithTheirPaper) {
    {
        auto first = start();
        writeScores(*first, {"", "66.7"}, {"", "80"});
    }
    auto c = start();
    ExpectNamedAndPressable(*c, "Home");
    EXPECT_EQ(child(*c, QStringLiteral("MSA2"))->accessibleName(),
              QStringLiteral("Paper 2, first attempt, 66.7 percent"));
    EXPECT_EQ(child(*c, QStringLiteral("MSB1"))->accessibleName(),
              QStringLiteral("Paper 1, second attempt, not marked"));
    QAccessibleInterface* load = QAccessible::queryAccessibleInterface(child(*c, "P2a"));
    EXPECT_EQ(load->text(QAccessible::Name), QStringLiteral("Load paper 2"));
    EXPECT_EQ(load->text(QAccessible::Description), QStringLiteral("First attempt: 66.7 percent"));
    QAccessibleInterface* topic = QAccessible::queryAccessibleInterface(child(*c, "Topic1"));
    EXPECT_EQ(topic->text(QAccessible::Name),
              c->session().catalogue().module(2).topicNames.value(0));
    EXPECT_TRUE(topic->state().checked);

    c->toolbarClick(2);
    ExpectNamedAndPressable(*c, "Report");
    c->tabClick(4);
    ExpectNamedAndPressable(*c, "About");
    c->toolbarClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    ExpectNamedAndPressable(*c, "Erase");
}
