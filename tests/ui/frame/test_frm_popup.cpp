// frmPopUp: buttons, answers, message drop, centring and closing by other means.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "platform/picture_cache.h"
#include "skin_fixture.h"
#include "ui/frame/frm_popup.h"

namespace {
QLabel* Child(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(QString::fromLatin1(name));
}

// Runs exec() while `act` is done to the shown dialog; returns exec's result.
template <typename Act>
QString ExecWhile(FrmPopUp& dialog, Act act) {
    QTimer::singleShot(0, &dialog, [&] { act(); });
    return dialog.exec();
}
}  // namespace

TEST(FrmPopUp, OneButtonIsCentredOkAndHidesTheSecondEvenAfterTwo) {
    SkinFixture skin;
    ClearPictureCache();
    FrmPopUp dialog(skin.folder());
    dialog.CallPop(QStringLiteral("Marking"),
                   QStringLiteral("Do you want to mark your practice now?"), 2, nullptr);
    EXPECT_FALSE(Child(dialog, "But2")->isHidden());
    EXPECT_EQ(Child(dialog, "But1_lbl")->text(), QStringLiteral("Yes"));
    EXPECT_EQ(Child(dialog, "But2_lbl")->text(), QStringLiteral("No"));
    EXPECT_EQ(Child(dialog, "But1")->x(), Child(dialog, "lblMessage")->x());
    EXPECT_EQ(Child(dialog, "But2")->x(), Child(dialog, "But1")->x() + 80 + 10);

    dialog.CallPop(QStringLiteral("Vantora"), QStringLiteral("Paper saved"), 1, nullptr);
    QLabel* ok = Child(dialog, "But1");
    EXPECT_TRUE(Child(dialog, "But2")->isHidden());
    EXPECT_EQ(Child(dialog, "But1_lbl")->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->x(), (dialog.width() - ok->width()) / 2);
    EXPECT_EQ(Child(dialog, "lblTitle")->text(), QStringLiteral("Vantora"));
    // Buttons sit 240 twips above the bottom edge.
    EXPECT_EQ(ok->y(), dialog.height() - ok->height() - 16);
}

TEST(FrmPopUp, ShortMessagesDropSevenPixels) {
    SkinFixture skin;
    ClearPictureCache();
    FrmPopUp dialog(skin.folder());
    const int infoTop = Child(dialog, "ImgInfo")->y();
    dialog.CallPop(QStringLiteral("t"), QString(32, QLatin1Char('x')), 1, nullptr);
    EXPECT_EQ(Child(dialog, "lblMessage")->y(), infoTop + 7);
    dialog.CallPop(QStringLiteral("t"), QString(33, QLatin1Char('x')), 1, nullptr);
    EXPECT_EQ(Child(dialog, "lblMessage")->y(), infoTop);
    // A long question takes more lines but stays clear of the buttons.
    dialog.CallPop(QStringLiteral("Marking"),
                   QStringLiteral("You have not answered all the questions.  Do you still want to "
                                  "mark your practice?"),
                   2, nullptr);
    QLabel* message = Child(dialog, "lblMessage");
    EXPECT_GE(message->height(), message->heightForWidth(message->width()));
    EXPECT_LT(message->geometry().bottom(), Child(dialog, "But1")->y());
    // The picture sits 240 twips under the title strip; the message 150 twips to its right.
    EXPECT_EQ(infoTop, 30 + 16);
    EXPECT_EQ(Child(dialog, "lblMessage")->x(), Child(dialog, "ImgInfo")->x() + 32 + 10);
}

TEST(FrmPopUp, ButtonsAnswerTrueAndFalseAndOtherClosingAnswersNothing) {
    SkinFixture skin;
    ClearPictureCache();
    {
        FrmPopUp dialog(skin.folder());
        QStringList answers;
        QObject::connect(&dialog, &FrmPopUp::answered, [&](const QString& a) { answers << a; });
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        const QString result =
            ExecWhile(dialog, [&] { QTest::mouseClick(Child(dialog, "But1"), Qt::LeftButton); });
        EXPECT_EQ(result, QStringLiteral("True"));
        EXPECT_EQ(answers, QStringList{QStringLiteral("True")});
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        FrmPopUp dialog(skin.folder());
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        // The caption label counts as the button.
        const QString result = ExecWhile(
            dialog, [&] { QTest::mouseClick(Child(dialog, "But2_lbl"), Qt::LeftButton); });
        EXPECT_EQ(result, QStringLiteral("False"));
    }
    {
        FrmPopUp dialog(skin.folder());
        bool answered = false;
        QObject::connect(&dialog, &FrmPopUp::answered, [&] { answered = true; });
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        const QString result = ExecWhile(dialog, [&] { dialog.close(); });
        EXPECT_TRUE(result.isEmpty());
        EXPECT_FALSE(answered);
    }
}

TEST(FrmPopUp, CentredOverTheGivenWindowAndButtonsLightUp) {
    SkinFixture skin;
    ClearPictureCache();
    QWidget owner;
    owner.setGeometry(100, 80, 600, 500);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    FrmPopUp dialog(skin.folder());
    dialog.CallPop(QStringLiteral("Vantora"), QStringLiteral("Paper saved"), 1, &owner);
    const QRect frame = owner.frameGeometry();
    EXPECT_EQ(dialog.x(), frame.x() + (frame.width() - dialog.width()) / 2);
    EXPECT_EQ(dialog.y(), frame.y() + (frame.height() - dialog.height()) / 2);

    dialog.show();
    QLabel* ok = Child(dialog, "But1");
    dialog.hoverButtons(ok->mapToGlobal(QPoint(1, 1)));
    EXPECT_EQ(ShownColour(ok), SkinFixture::ColourOf(QStringLiteral("button_on.bmp")));
    dialog.hoverButtons(ok->mapToGlobal(QPoint(ok->width(), 1)));
    EXPECT_EQ(ShownColour(ok), SkinFixture::ColourOf(QStringLiteral("button_off.bmp")));
    EXPECT_FALSE(dialog.mask().contains(QPoint(0, dialog.height() - 1)));
}
