// frmPopUp: buttons, answers, keys, message drop, centring and closing by other means.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/picture_cache.h"
#include "skin_fixture.h"
#include "ui/frame/frm_popup.h"
#include "ui/frame/skinned_button.h"

namespace {
QWidget* Child(QWidget& w, const char* name) {
    return w.findChild<QWidget*>(QString::fromLatin1(name));
}
QString Text(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// Runs exec() while `act` is done to the shown dialog; returns exec's result.
template <typename Act>
PopUpResponse ExecWhile(FrmPopUp& dialog, Act act) {
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
    EXPECT_EQ(Text(dialog, "But1_lbl"), QStringLiteral("Yes"));
    EXPECT_EQ(Text(dialog, "But2_lbl"), QStringLiteral("No"));
    EXPECT_EQ(Child(dialog, "But1")->x(), Child(dialog, "lblMessage")->x());
    EXPECT_EQ(Child(dialog, "But2")->x(), Child(dialog, "But1")->x() + 80 + 10);

    dialog.CallPop(QStringLiteral("Vantora"), QStringLiteral("Paper saved"), 1, nullptr);
    QWidget* ok = Child(dialog, "But1");
    EXPECT_TRUE(Child(dialog, "But2")->isHidden());
    EXPECT_EQ(Text(dialog, "But1_lbl"), QStringLiteral("OK"));
    EXPECT_EQ(ok->x(), (dialog.width() - ok->width()) / 2);
    EXPECT_EQ(Text(dialog, "lblTitle"), QStringLiteral("Vantora"));
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
    auto* message = dialog.findChild<QLabel*>(QStringLiteral("lblMessage"));
    EXPECT_GE(message->height(), message->heightForWidth(message->width()));
    EXPECT_LT(message->geometry().bottom(), Child(dialog, "But1")->y());
    // One of many lines (a file, why it cannot be written, what follows) is shown whole: the
    // dialog grows; a short one after it finds the dialog at its designed size again.
    const int designed = dialog.height();
    dialog.CallPop(QStringLiteral("t"), QStringLiteral("A rather long sentence. ").repeated(12), 2,
                   nullptr);
    EXPECT_GE(message->height(), message->heightForWidth(message->width()));
    EXPECT_LT(message->geometry().bottom(), Child(dialog, "But1")->y());
    EXPECT_GT(dialog.height(), designed);
    dialog.CallPop(QStringLiteral("t"), QStringLiteral("Short"), 1, nullptr);
    EXPECT_EQ(dialog.height(), designed);
    // The picture sits 240 twips under the title strip; the message 150 twips to its right.
    EXPECT_EQ(infoTop, 30 + 16);
    EXPECT_EQ(Child(dialog, "lblMessage")->x(), Child(dialog, "ImgInfo")->x() + 32 + 10);
}

TEST(FrmPopUp, ButtonsAnswerTrueAndFalseAndOtherClosingAnswersNothing) {
    SkinFixture skin;
    ClearPictureCache();
    {
        FrmPopUp dialog(skin.folder());
        QList<PopUpResponse> answers;
        QObject::connect(&dialog, &FrmPopUp::answered, [&](PopUpResponse a) { answers << a; });
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        const PopUpResponse result =
            ExecWhile(dialog, [&] { QTest::mouseClick(Child(dialog, "But1"), Qt::LeftButton); });
        EXPECT_EQ(result, PopUpResponse::True);
        EXPECT_EQ(answers, QList<PopUpResponse>{PopUpResponse::True});
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        FrmPopUp dialog(skin.folder());
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        // The caption label counts as the button.
        const PopUpResponse result = ExecWhile(
            dialog, [&] { QTest::mouseClick(Child(dialog, "But2_lbl"), Qt::LeftButton); });
        EXPECT_EQ(result, PopUpResponse::False);
    }
    {
        FrmPopUp dialog(skin.folder());
        bool answered = false;
        QObject::connect(&dialog, &FrmPopUp::answered, [&] { answered = true; });
        dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
        const PopUpResponse result = ExecWhile(dialog, [&] { dialog.close(); });
        EXPECT_EQ(result, PopUpResponse::Unanswered);
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
    QWidget* ok = Child(dialog, "But1");
    Hover(ok, true);
    EXPECT_EQ(ShownColour(ok), SkinFixture::ColourOf(QStringLiteral("button_on.bmp")));
    Hover(ok, false);
    EXPECT_EQ(ShownColour(ok), SkinFixture::ColourOf(QStringLiteral("button_off.bmp")));
    EXPECT_FALSE(dialog.mask().contains(QPoint(0, dialog.height() - 1)));
}

TEST(FrmPopUp, KeysAnswerItAndFocusStartsOnTheFirstButton) {
    SkinFixture skin;
    ClearPictureCache();
    struct Case {
        int buttons;
        std::function<void(FrmPopUp&)> keys;
        PopUpResponse expected;
    };
    const auto key = [](Qt::Key k) {
        return [k](FrmPopUp& d) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, k); };
    };
    const QList<Case> cases = {
        {2, key(Qt::Key_Return), PopUpResponse::True},
        {2, key(Qt::Key_Enter), PopUpResponse::True},
        {2, key(Qt::Key_Space), PopUpResponse::True},
        {2, key(Qt::Key_Escape), PopUpResponse::False},
        {2, key(Qt::Key_Y), PopUpResponse::True},
        {2, key(Qt::Key_N), PopUpResponse::False},
        // Tab moves to No; Enter then presses the focused button.
        {2,
         [](FrmPopUp& d) {
             QTest::keyClick(d.button(0), Qt::Key_Tab);
             QTest::keyClick(d.focusWidget(), Qt::Key_Return);
         },
         PopUpResponse::False},
        {1, key(Qt::Key_Return), PopUpResponse::True},
        // A notice has no No: Y and N do nothing, Escape dismisses it.
        {1,
         [](FrmPopUp& d) {
             QTest::keyClick(&d, Qt::Key_N);
             QTest::keyClick(&d, Qt::Key_Escape);
         },
         PopUpResponse::Unanswered},
    };
    for (const Case& c : cases) {
        FrmPopUp dialog(skin.folder());
        dialog.CallPop(QStringLiteral("Marking"),
                       QStringLiteral("Do you want to mark your practice now?"), c.buttons,
                       nullptr);
        QWidget* focused = nullptr;
        const PopUpResponse result = ExecWhile(dialog, [&] {
            focused = dialog.focusWidget();
            c.keys(dialog);
        });
        EXPECT_EQ(focused, static_cast<QWidget*>(dialog.button(0)));
        EXPECT_EQ(result, c.expected) << c.buttons;
        EXPECT_FALSE(dialog.isVisible());
    }
}

// A question whose Yes cannot be undone opens on No: Enter and Escape both answer No.
TEST(FrmPopUp, AQuestionWithNoAsItsDefaultAnswersNoToEnterAndEscape) {
    SkinFixture skin;
    ClearPictureCache();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Y}) {
        FrmPopUp dialog(skin.folder());
        dialog.CallPop(QStringLiteral("Damaged results"), QStringLiteral("Reset that file to empty?"),
                       2, nullptr);
        dialog.setDefaultAnswer(PopUpResponse::False);
        QWidget* focused = nullptr;
        const PopUpResponse result = ExecWhile(dialog, [&] {
            focused = dialog.focusWidget();
            QTest::keyClick(focused ? focused : &dialog, key);
        });
        EXPECT_EQ(focused, static_cast<QWidget*>(dialog.button(1)));
        EXPECT_EQ(result, key == Qt::Key_Y ? PopUpResponse::True : PopUpResponse::False) << key;
    }
}

TEST(FrmPopUp, IsModalToTheWindowItWasOpenedOverAndNamesItsButtons) {
    SkinFixture skin;
    ClearPictureCache();
    QWidget opener;
    QWidget child(&opener);
    opener.show();
    // Opened from a control, it belongs to that control's window, not to the whole program.
    FrmPopUp dialog(skin.folder(), &child);
    dialog.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, &opener);
    Qt::WindowModality modality = Qt::NonModal;
    ExecWhile(dialog, [&] {
        modality = dialog.windowModality();
        EXPECT_EQ(dialog.button(0)->text(), QStringLiteral("Yes"));
        EXPECT_EQ(dialog.button(1)->text(), QStringLiteral("No"));
        EXPECT_FALSE(dialog.accessibleDescription().isEmpty());
        dialog.close();
    });
    EXPECT_EQ(dialog.parentWidget(), &opener);
    EXPECT_EQ(modality, Qt::WindowModal);
}
