// The main window's navigation rules as data.
#include <gtest/gtest.h>

#include "ui/main/navigation.h"

TEST(Navigation, ViewDispatchForEveryTabAndSlot) {
    EXPECT_EQ(DispatchView(2, 1), ViewAction::Home);
    EXPECT_EQ(DispatchView(1, 2), ViewAction::Report);
    EXPECT_EQ(DispatchView(3, 3), ViewAction::Print);
    EXPECT_EQ(DispatchView(2, 4), ViewAction::Close);
    EXPECT_EQ(DispatchView(4, 1), ViewAction::About);
    EXPECT_EQ(DispatchView(4, 2), ViewAction::Trash);
    EXPECT_EQ(DispatchView(4, 3), ViewAction::None);  // the hidden slot
    EXPECT_EQ(DispatchView(4, 4), ViewAction::PrinterSetup);
    EXPECT_EQ(DispatchView(0, 1), ViewAction::None);
    EXPECT_EQ(DispatchView(5, 1), ViewAction::None);
    EXPECT_EQ(DispatchView(2, 0), ViewAction::None);
}

TEST(Navigation, ToolbarCaptionsTooltipsAndPicturesPerPage) {
    const ToolbarSlotLook home = ToolbarSlot(1, false);
    EXPECT_EQ(home.caption, QStringLiteral("Home"));
    EXPECT_EQ(home.tooltip, QStringLiteral("Load Home page"));
    EXPECT_EQ(home.pressed, QStringLiteral("home_pressed.bmp"));
    EXPECT_EQ(ToolbarSlot(2, false).tooltip, QStringLiteral("Load Report card"));
    EXPECT_EQ(ToolbarSlot(3, false).tooltip, QStringLiteral("Print results"));
    EXPECT_EQ(ToolbarSlot(4, false).tooltip, QStringLiteral("Close program"));
    EXPECT_EQ(ToolbarSlot(1, true).tooltip, QStringLiteral("About Vantora"));
    EXPECT_EQ(ToolbarSlot(2, true).tooltip, QStringLiteral("Trash past results"));
    EXPECT_EQ(ToolbarSlot(2, true).hovered, QStringLiteral("trash_on.bmp"));
    EXPECT_FALSE(ToolbarSlot(3, true).visible);
    EXPECT_EQ(ToolbarSlot(4, true).tooltip, QStringLiteral("Printer Setup"));
    EXPECT_EQ(ToolbarSlot(4, true).normal, QStringLiteral("setup_off.bmp"));
}

TEST(Navigation, TabsOverlapByFourAndMissingModulesLeaveTheStrip) {
    const std::array<int, 4> widths{96, 96, 96, 96};
    EXPECT_EQ(TabLefts({false, true, false}, widths), (std::array<int, 4>{-96, 2, -96, 94}));
    EXPECT_EQ(TabLefts({true, true, true}, {90, 100, 110, 96}),
              (std::array<int, 4>{2, 88, 184, 290}));
    EXPECT_EQ(TabLefts({true, false, true}, widths), (std::array<int, 4>{2, -96, 94, 186}));
    // The active tab stands two pixels higher than the others.
    EXPECT_EQ(TabTop(120, 26, false) - TabTop(120, 26, true), 2);
    EXPECT_EQ(TabTop(120, 26, true), 95);
}

TEST(Navigation, ReportBarsStackAroundTheOpenPanel) {
    const int H = 377, h = 22;
    const ReportBarLayout one = LayoutReportBars(1, H, {h, h, h});
    EXPECT_EQ(one.barTops, QList<int>({0, H - 2 * h, H - h}));
    EXPECT_EQ(one.panelTop, h);
    EXPECT_EQ(one.panelHeight, H - 3 * h);

    const ReportBarLayout two = LayoutReportBars(2, H, {20, 21, 22});
    EXPECT_EQ(two.barTops, QList<int>({0, 20, H - 22}));
    EXPECT_EQ(two.panelTop, 41);
    EXPECT_EQ(two.panelHeight, H - 63);

    const ReportBarLayout three = LayoutReportBars(3, H, {20, 21, 22});
    EXPECT_EQ(three.barTops, QList<int>({0, 20, 41}));
    EXPECT_EQ(three.panelTop, 63);
    EXPECT_EQ(three.panelHeight, H - 63);
}

TEST(Navigation, TryAgainFollowsTheFirstScoreComparedAsANumber) {
    EXPECT_TRUE(ArrangePaperSlot(QStringLiteral("99"), QString()).tryAgainShown);
    EXPECT_TRUE(ArrangePaperSlot(QStringLiteral("0"), QString()).tryAgainShown);
    EXPECT_FALSE(ArrangePaperSlot(QStringLiteral("99.5"), QString()).tryAgainShown);
    EXPECT_FALSE(ArrangePaperSlot(QStringLiteral("100"), QString()).tryAgainShown);
    // "100" sorts before "99" as text; a text comparison would offer a second attempt.
    EXPECT_TRUE(ArrangePaperSlot(QStringLiteral("9.5"), QString()).tryAgainShown);

    const PaperSlotLook empty = ArrangePaperSlot(QString(), QString());
    EXPECT_FALSE(empty.tryAgainShown);
    EXPECT_FALSE(empty.firstScoreRightAligned);
    EXPECT_FALSE(empty.secondScoreRightAligned);
    const PaperSlotLook both = ArrangePaperSlot(QStringLiteral("50"), QStringLiteral("75"));
    EXPECT_TRUE(both.tryAgainShown);  // a marked second attempt keeps the button
    EXPECT_TRUE(both.secondScoreRightAligned);

    EXPECT_DOUBLE_EQ(ScoreValue(QStringLiteral("88.8")), 88.8);
    EXPECT_DOUBLE_EQ(ScoreValue(QStringLiteral("99.6abc")), 99.6);
    EXPECT_DOUBLE_EQ(ScoreValue(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(PlatformCaption().left(4), QStringLiteral("For "));
}
