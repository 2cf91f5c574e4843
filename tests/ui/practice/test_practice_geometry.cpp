// The practice window's geometry: corner resize rules, pointer shapes, layout at any size, row
// stacking and the answer-box border.
#include <gtest/gtest.h>

#include "ui/practice/answer_validator.h"
#include "ui/practice/practice_geometry.h"
#include "ui/practice/strip_rows.h"

namespace {

constexpr int E = kEdgeBandPx;

PracticeLayoutInput TypicalInput(QSize inner) {
    PracticeLayoutInput in;
    in.inner = inner;
    in.topHeight = 30;
    in.leftWidth = 4;
    in.rightWidth = 4;
    in.botHeight = 4;
    in.sizer = QSize(12, 12);
    in.toolbarHeight = 56;
    in.answerSheetWidth = 260;
    in.handleWidth = 12;
    in.underStripHeight = 30;
    in.questionTitleLeft = 16;
    in.questionTitleHeight = 26;
    in.instructionHeight = 112;
    return in;
}

bool NoNegativeSize(const PracticeLayout& l) {
    for (const QRect& r : {l.sizer, l.toolbar, l.answerSheet, l.handle, l.questionView,
                           l.questionTitle, l.underStrip})
        if (r.width() < 0 || r.height() < 0) return false;
    return l.instructionTop >= 0;
}

}  // namespace

TEST(PracticeResize, OnlyTheBottomRightCornerResizesAndTheMinimumHolds) {
    const QSize size(800, 600);
    const EdgeBands corner = BandsAt(QPoint(797, 597), size, E);
    ASSERT_TRUE(corner.right && corner.bottom);
    EXPECT_EQ(CornerDragSize(corner, QPoint(900, 700), size, E), QSize(900, 700));

    // 7300 twips is 486.7 px: 487 px is above it, 486 px is not, so the width stays.
    EXPECT_EQ(CornerDragSize(corner, QPoint(487, 700), size, E).width(), 487);
    EXPECT_EQ(CornerDragSize(corner, QPoint(486, 700), size, E), QSize(800, 700));
    // 5000 twips is 333.3 px.
    EXPECT_EQ(CornerDragSize(corner, QPoint(900, 334), size, E).height(), 334);
    EXPECT_EQ(CornerDragSize(corner, QPoint(900, 333), size, E), QSize(900, 600));
    // Within 2E of the corner of the window nothing moves.
    EXPECT_EQ(CornerDragSize(corner, QPoint(2 * E, 700), size, E), size);

    // Right band alone, left band, top band: nothing resizes.
    for (const QPoint press : {QPoint(797, 300), QPoint(2, 300), QPoint(400, 2), QPoint(2, 597)}) {
        const EdgeBands b = BandsAt(press, size, E);
        EXPECT_EQ(CornerDragSize(b, QPoint(900, 700), size, E), size)
            << press.x() << "," << press.y();
    }
}

TEST(PracticeResize, PressInABandSnapsThePointerOntoTheEdge) {
    const QRect window(100, 50, 800, 600);
    EXPECT_EQ(SnapToEdges(QPoint(897, 300), window, BandsAt(QPoint(797, 250), window.size(), E)),
              QPoint(900, 300));
    EXPECT_EQ(SnapToEdges(QPoint(103, 52), window, BandsAt(QPoint(3, 2), window.size(), E)),
              QPoint(100, 50));
    EXPECT_EQ(SnapToEdges(QPoint(500, 300), window, BandsAt(QPoint(400, 250), window.size(), E)),
              QPoint(500, 300));
}

TEST(PracticeResize, PointerShapesOfTheEdgeBands) {
    const QSize s(800, 600);
    const auto shape = [&](int x, int y, bool down = false, Qt::CursorShape cur = Qt::ArrowCursor) {
        return EdgeCursor(QPoint(x, y), s, E, down, cur);
    };
    EXPECT_EQ(shape(400, 300), Qt::ArrowCursor);
    EXPECT_EQ(shape(2, 300), Qt::SizeHorCursor);
    EXPECT_EQ(shape(797, 300), Qt::SizeHorCursor);
    EXPECT_EQ(shape(400, 598), Qt::SizeVerCursor);
    EXPECT_EQ(shape(797, 598), Qt::SizeFDiagCursor);
    EXPECT_EQ(shape(2, 2), Qt::SizeFDiagCursor);
    EXPECT_EQ(shape(2, 598), Qt::SizeBDiagCursor);
    EXPECT_EQ(shape(797, 2), Qt::SizeBDiagCursor);
    // With the left button down, the middle keeps whatever shape the pointer had.
    EXPECT_EQ(shape(400, 300, true, Qt::SizeFDiagCursor), Qt::SizeFDiagCursor);
}

TEST(PracticeLayoutTest, FillsTheWindowAndNeverGoesNegative) {
    const PracticeLayout l = LayoutPracticeWindow(TypicalInput(QSize(800, 600)));
    EXPECT_EQ(l.toolbar, QRect(4, 30, 792, 56));
    EXPECT_EQ(l.answerSheet, QRect(800 - 260 - 4, 86, 260, 600 - 86 - 4));
    EXPECT_EQ(l.handle.right() + 1, l.answerSheet.left());
    EXPECT_EQ(l.questionView.left(), 4);
    EXPECT_EQ(l.questionView.right() + 1, l.handle.left());
    EXPECT_EQ(l.underStrip.top(), l.questionView.bottom() + 1);
    EXPECT_EQ(l.underStrip.bottom(), l.answerSheet.bottom());
    EXPECT_EQ(l.questionTitle.width(), l.questionView.width() - kQuestionTitleInsetPx);
    EXPECT_EQ(l.questionTitle.top(), l.questionView.top() + kOffset120Px);
    EXPECT_EQ(l.sizer.bottomRight(), QPoint(800 - kOffset60Px - 1, 600 - kOffset60Px - 1));
    EXPECT_EQ(l.instructionTop, l.answerSheet.height() - 112);

    // Minimised windows can report tiny or zero sizes.
    for (const QSize tiny : {QSize(0, 0), QSize(10, 10), QSize(160, 28), QSize(-1, -1)}) {
        EXPECT_TRUE(NoNegativeSize(LayoutPracticeWindow(TypicalInput(tiny))))
            << tiny.width() << "x" << tiny.height();
    }
}

TEST(PracticeLayoutTest, OpensAtATenthInWithFourFifthsOfItsScreen) {
    EXPECT_EQ(PlacementAtLoad(QRect(0, 0, 1280, 1024)), QRect(128, 102, 1024, 819));
    // A second screen to the right.
    EXPECT_EQ(PlacementAtLoad(QRect(1280, 0, 1920, 1080)), QRect(1472, 108, 1536, 864));
    // The smallest window the corner drag leaves: just above 7300 x 5000 twips.
    EXPECT_EQ(MinimumWindowSize(), QSize(487, 334));
}

TEST(PracticeLayoutTest, HiddenAnswerSheetGivesItsRoomToTheQuestion) {
    PracticeLayoutInput in = TypicalInput(QSize(800, 600));
    in.answerSheetShown = false;
    const PracticeLayout l = LayoutPracticeWindow(in);
    EXPECT_GE(l.answerSheet.left(), 800);
    EXPECT_EQ(l.handle.left(), 800 - 12 - 4);
    EXPECT_EQ(l.questionView.width(), 800 - 12 - 4 - 4);
    EXPECT_EQ(l.underStrip.width(), l.questionView.width());
}

TEST(PracticeRows, StackingGapsFollowThePartCount) {
    const QList<double> five(5, 375.0);
    EXPECT_EQ(StackRowTops(five, 5, false), (QList<double>{50, 530, 1010, 1490, 1970}));
    const QList<double> sixteen(16, 375.0);
    const QList<double> first = StackRowTops(sixteen, 16, false);
    EXPECT_EQ(first[1] - first[0], 365);  // overlap by 10 twips
    const QList<double> second = StackRowTops(sixteen, 16, true);
    EXPECT_EQ(second[1] - second[0], 375);
    EXPECT_EQ(second.last(), 50 + 15 * 375);
    // Fifteen parts still get the normal gap; a tall first row pushes the rest down.
    EXPECT_EQ(StackRowTops(QList<double>(15, 375.0), 15, true)[1], 530);
    EXPECT_EQ(StackRowTops({1500, 375}, 2, false)[1], 50 + 1500 + 105);
}

TEST(PracticeRows, AnswerBoxBorderSurroundsTheBox) {
    const BorderLines b = createborder(BorderBoxAround(QRectF(360, 45, 1575, 300)));
    EXPECT_EQ(b.lines[0], QLineF(330, 15, 1950, 15));
    EXPECT_EQ(b.lines[1], QLineF(330, 15, 330, 360));
    EXPECT_EQ(b.lines[2], QLineF(330, 360, 1965, 360));
    EXPECT_EQ(b.lines[3], QLineF(1950, 15, 1950, 375));
}

TEST(AnswerText, TheValidatorLeavesOutWhatAFieldCannotHoldAndSaysWhy) {
    AnswerValidator v;
    QStringList hints;
    QObject::connect(&v, &AnswerValidator::refused, [&](const QString& h) { hints.append(h); });

    // Pasted "1\t2>3" with the cursor after it: the cursor moves back over what was left out.
    QString input = QStringLiteral("1\t2>3");
    int pos = 5;
    EXPECT_EQ(v.validate(input, pos), QValidator::Acceptable);
    EXPECT_EQ(input, "123");
    EXPECT_EQ(pos, 3);
    ASSERT_EQ(hints.size(), 1);
    EXPECT_EQ(hints[0], RefusalHint(QLatin1Char('\t')));

    // Typed in the middle: only the characters before the cursor move it.
    input = QString::fromUtf8("5\u20ac2/3");
    pos = 2;
    EXPECT_EQ(v.validate(input, pos), QValidator::Acceptable);
    EXPECT_EQ(input, "52/3");
    EXPECT_EQ(pos, 1);

    // What a field holds passes untouched and silently, accents and fractions included.
    hints.clear();
    input = QString::fromUtf8("caf\u00e9 \u00bd 5 2/3");
    pos = 3;
    EXPECT_EQ(v.validate(input, pos), QValidator::Acceptable);
    EXPECT_EQ(input, QString::fromUtf8("caf\u00e9 \u00bd 5 2/3"));
    EXPECT_EQ(pos, 3);
    EXPECT_TRUE(hints.isEmpty());

    // The reasons differ: the separators, control characters, characters outside Latin-1.
    EXPECT_TRUE(RefusalHint(QLatin1Char('>')).contains(QLatin1String("\">\"")));
    EXPECT_TRUE(RefusalHint(QLatin1Char('#')).contains(QLatin1String("\"#\"")));
    for (const char16_t control : {u'\x01', u'\x1b', u'\x7f', u'\x85', u'\n'})
        EXPECT_EQ(RefusalHint(QChar(control)), RefusalHint(QLatin1Char('\t')));
    EXPECT_TRUE(RefusalHint(QChar(0x20AC)).contains(QChar(0x20AC)));
    EXPECT_NE(RefusalHint(QChar(0x20AC)), RefusalHint(QLatin1Char('>')));
    EXPECT_NE(RefusalHint(QChar(0x20AC)), RefusalHint(QLatin1Char('\t')));
}

TEST(PracticeStrip, GroupsNeverOverlapAndKeepTheirCaptionsInMoreRows) {
    // Remaining list, time, date, score as the strip under a first attempt has them.
    const QList<StripGroup> editing = {{130, 0}, {72, 38}, {100, 64}, {0, 0}};
    const QList<StripGroup> marked = {{0, 0}, {110, 38}, {140, 64}, {80, 48}};
    for (const QList<StripGroup>& groups : {editing, marked}) {
        for (int width = 0; width <= 1600; ++width) {
            const StripRows plan = PlanStripRows(width, groups);
            const QList<StripRowPlace>& places = plan.places;
            ASSERT_EQ(places.size(), groups.size());
            const int room = width - kStripMarginLeft - kStripMarginRight;
            for (int a = 0; a < places.size(); ++a) {
                // Every group that a row can hold is shown, with its caption.
                if (groups[a].fullWidth > 0 && groups[a].fullWidth <= room) {
                    EXPECT_TRUE(places[a].shown && !places[a].compact) << width << " " << a;
                }
                if (!places[a].shown) continue;
                EXPECT_LT(places[a].row, plan.rowCount);
                EXPECT_GE(places[a].left, 0) << width;
                EXPECT_LE(places[a].left + places[a].width, width) << width;
                for (int b = a + 1; b < places.size(); ++b) {
                    if (places[b].shown && places[b].row == places[a].row) {
                        EXPECT_LE(places[a].left + places[a].width, places[b].left) << width;
                    }
                }
            }
            if (width >= 600) {
                EXPECT_EQ(plan.rowCount, 1) << width;
                const StripRowPlace& last = groups.last().fullWidth > 0 ? places[3] : places[2];
                EXPECT_EQ(last.left + last.width, width - kStripMarginRight);
            }
        }
    }
    // At the smallest window's strip every group keeps its caption, a row each.
    const StripRows narrow = PlanStripRows(207, editing);
    EXPECT_EQ(narrow.rowCount, 3);
    for (int g = 0; g < 3; ++g) EXPECT_TRUE(narrow.places[g].shown && !narrow.places[g].compact);
    EXPECT_EQ(narrow.places[0].left, kStripMarginLeft);
}
