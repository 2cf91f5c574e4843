// The one skinned button: its pictures by state, keys, captions, focus mark and what a screen
// reader gets from it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "platform/picture_cache.h"
#include "skin_fixture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"

namespace {
SkinnedButton::Look ButtonLook() {
    return {QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"),
            QStringLiteral("prog_blue_close.bmp"), QStringLiteral("prog_white_close.bmp")};
}

struct Window {
    QWidget top;
    SkinnedButton* button;
    QLabel* caption;
    QLabel* before;
    explicit Window(const QString& folder) {
        before = new QLabel(QStringLiteral("before"), &top);
        button = new SkinnedButton(QStringLiteral("But1"), folder, &top);
        button->setLook(ButtonLook());
        button->sizeToPicture({1, 1});
        button->move(100, 60);  // away from where the pointer rests
        caption = new QLabel(QStringLiteral("Next"), &top);
        caption->setGeometry(0, 40, 60, 14);
        button->addCaption(caption);
        top.resize(200, 100);
        top.show();
    }
};
}  // namespace

TEST(SkinnedButton, ShowsThePictureOfItsStateAndIsSizedByIt) {
    SkinFixture skin;
    ClearPictureCache();
    Window w(skin.folder());
    SkinnedButton* b = w.button;
    EXPECT_EQ(b->size(), QSize(80, 25));
    EXPECT_EQ(b->shownPicture(), QStringLiteral("button_off.bmp"));
    EXPECT_EQ(ShownColour(b), SkinFixture::ColourOf(QStringLiteral("button_off.bmp")));

    Hover(b, true);
    EXPECT_EQ(ShownColour(b), SkinFixture::ColourOf(QStringLiteral("button_on.bmp")));
    b->setDown(true);
    EXPECT_EQ(ShownColour(b), SkinFixture::ColourOf(QStringLiteral("prog_blue_close.bmp")));
    b->setDown(false);
    Hover(b, false);
    // The pointer over the caption lights the picture too.
    Hover(w.caption, true);
    EXPECT_EQ(b->shownPicture(), QStringLiteral("button_on.bmp"));
    Hover(w.caption, false);
    EXPECT_EQ(b->shownPicture(), QStringLiteral("button_off.bmp"));

    b->setEnabled(false);
    EXPECT_EQ(ShownColour(b), SkinFixture::ColourOf(QStringLiteral("prog_white_close.bmp")));
    EXPECT_FALSE(w.caption->isEnabled());
    // Without a disabled picture the normal one stands in.
    b->setLook({QStringLiteral("button_off.bmp"), {}, {}, {}});
    EXPECT_EQ(b->shownPicture(), QStringLiteral("button_off.bmp"));
}

TEST(SkinnedButton, SpaceEnterMouseAndCaptionPressItButADisabledOneIsDead) {
    SkinFixture skin;
    ClearPictureCache();
    Window w(skin.folder());
    SkinnedButton* b = w.button;
    QSignalSpy clicks(b, &SkinnedButton::clicked);
    QTest::keyClick(b, Qt::Key_Space);
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClick(b, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 3);
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseClick(w.caption, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 5);
    // Released away from the caption: no click.
    QTest::mousePress(w.caption, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(b->isDown());
    QTest::mouseRelease(w.caption, Qt::LeftButton, {}, QPoint(100, 2));
    EXPECT_FALSE(b->isDown());
    EXPECT_EQ(clicks.count(), 5);
    // Ctrl+Enter is not a press.
    QTest::keyClick(b, Qt::Key_Return, Qt::ControlModifier);
    b->setEnabled(false);
    QTest::mouseClick(w.caption, Qt::LeftButton);
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 5);
}

TEST(SkinnedButton, TabReachesItAClickDoesNotTakeTheFocusAndTheFocusMarkShowsForKeys) {
    SkinFixture skin;
    ClearPictureCache();
    Window w(skin.folder());
    EXPECT_EQ(w.button->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    EXPECT_FALSE(w.button->focusPolicy() & Qt::ClickFocus);

    const QImage unfocused = w.button->grab().toImage();
    w.top.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.top));
    w.before->setFocusPolicy(Qt::StrongFocus);
    w.before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(w.before, Qt::Key_Tab);
    ASSERT_TRUE(w.button->hasFocus());
    const QImage focused = w.button->grab().toImage();
    // The mark sits on the edge; the middle still shows the picture.
    EXPECT_EQ(focused.pixelColor(1, 1), kFocusMarkColour);
    EXPECT_NE(unfocused.pixelColor(1, 1), kFocusMarkColour);
    EXPECT_EQ(focused.pixelColor(focused.width() / 2, focused.height() / 2),
              SkinFixture::ColourOf(QStringLiteral("button_off.bmp")));

    // A mouse user does not see it; the next key brings it back.
    w.before->setFocusPolicy(Qt::TabFocus);
    QTest::mouseClick(w.before, Qt::LeftButton);
    ASSERT_TRUE(w.button->hasFocus());
    EXPECT_NE(w.button->grab().toImage().pixelColor(1, 1), kFocusMarkColour);
    QTest::keyClick(w.button, Qt::Key_Shift);
    EXPECT_EQ(w.button->grab().toImage().pixelColor(1, 1), kFocusMarkColour);
}

TEST(SkinnedButton, AScreenReaderSeesANamedButtonThatCanBePressed) {
    SkinFixture skin;
    ClearPictureCache();
    Window w(skin.folder());
    w.button->setToolTipEverywhere(QStringLiteral("Next question (Alt+Right)"));
    EXPECT_EQ(w.caption->toolTip(), QStringLiteral("Next question (Alt+Right)"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Next"));  // from its caption
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(w.button, &SkinnedButton::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(clicks.wait(1000));  // the press is animated
}
