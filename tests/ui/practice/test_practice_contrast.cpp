// Every text of the practice window reaches 4.5:1 on its ground (3:1 for disabled captions), and
// the outline of an answer box 3:1 against the sheet, on the real skin pictures: open, marked with
// its verdicts, and a marked second attempt showing the correct answers.
#include <gtest/gtest.h>

#include "../contrast_check.h"
#include "practice_fixture.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_sheet.h"

using namespace contrast;

namespace {

void MarkWith(PracticeWindow* w, const QList<QStringList>& answersByQuestion) {
    for (int q = 1; q <= answersByQuestion.size(); ++q) {
        w->GoToQuestion(q);
        for (int k = 1; k <= answersByQuestion[q - 1].size(); ++k)
            w->answerSheet()->row(k)->answer->setText(answersByQuestion[q - 1][k - 1]);
    }
    PopupHand hand({true});
    w->MarkPractice();
}

// The outline around answer box k against the sheet beside it.
double OutlineContrast(PracticeWindow* w, int k) {
    AnswerRow* row = w->answerSheet()->row(k);
    const QImage image = row->grab().toImage();
    const QRect box = row->answer->geometry();
    const int y = box.center().y();
    // The outline runs 30 twips (2 pixels) left of the box; the sheet shows at the row's edge.
    return Contrast(image.pixelColor(box.left() - 2, y), image.pixelColor(1, y));
}

}  // namespace

TEST(PracticeContrast, EveryTextAndEveryAnswerBoxOutlineReadsOnItsGround) {
    PracticeFixture f;
    f.setPaper({{{"T", 1, "quokka"}, {"T", 1, "wombat"}}, {{"T", 1, "platypus"}}});
    ASSERT_TRUE(WriteGraphics(f.dir.path()).isEmpty());
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QStringList faint = TooFaint(*w, "open");
    EXPECT_GE(OutlineContrast(w, 1), 3.0);
    EXPECT_GE(OutlineContrast(w, 2), 3.0);

    MarkWith(w, {{"quokka", "koala"}, {""}});
    ASSERT_TRUE(w->session().isMarked());
    w->GoToQuestion(1);
    ASSERT_TRUE(w->answerSheet()->row(2)->firstVerdict->isVisible());
    faint += TooFaint(*w, "marked");
    delete w;

    w = f.open(2);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    MarkWith(w, {{"quokka", "emu"}, {"platypus"}});
    ASSERT_TRUE(w->session().isMarked());
    w->GoToQuestion(1);
    ASSERT_TRUE(w->answerSheet()->row(2)->correct->isVisible());
    faint += TooFaint(*w, "second attempt, marked");
    delete w;
    EXPECT_TRUE(faint.isEmpty()) << qPrintable(faint.join(QLatin1Char('\n')));
}
