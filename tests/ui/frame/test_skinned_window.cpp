// The skinned frame: pieces from the pictures, active and inactive skins, hover, buttons, drag.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "content/extract_resource.h"
#include "platform/caption_drag.h"
#include "platform/picture_cache.h"
#include "skin_fixture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/frame/skinned_window.h"

QColor ShownColour(const QWidget* widget) {
    const QImage image = const_cast<QWidget*>(widget)->grab().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

void Hover(QWidget* widget, bool over) {
    if (over) {
        const QPointF inside(2, 2);
        QEnterEvent enter(inside, widget->mapTo(widget->window(), inside),
                          widget->mapToGlobal(inside));
        QCoreApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
}

namespace {
class PracticeLike : public SkinnedWindow {
  public:
    using SkinnedWindow::SkinnedWindow;
    int layouts = 0;
    int closes = 0;

  protected:
    void layoutContent() override { ++layouts; }
    void closeButtonClicked() override { ++closes; }
};

SkinnedWindow::Skin PracticeSkin(const QString& folder) {
    SkinnedWindow::Skin s;
    s.style = TitleStripStyle::Practice;
    s.graphicsFolder = folder;
    s.iconPicture = QStringLiteral("Pencil.ico");  // found whatever its case on disk
    s.focusFlagName = QStringLiteral("Test1Focus");
    s.fixedCentreWidth = 30000;
    return s;
}
}  // namespace

TEST(SkinnedWindow, ActiveAndInactiveSkinsSetPicturesTitleColourAndFocusFlag) {
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    w.resize(600, 400);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_NE(w.iconImage(), nullptr);
    EXPECT_FALSE(w.iconImage()->pixmap().isNull());

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.focusFlag(), QStringLiteral("1"));
    EXPECT_EQ(ShownColour(w.piece(SkinnedWindow::Piece::TopLeft)),
              SkinFixture::ColourOf(QStringLiteral("border_top_left.bmp")));
    EXPECT_EQ(ShownColour(w.maximiseButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blueoff_max.bmp")));
    EXPECT_EQ(w.titleLabel()->palette().color(QPalette::WindowText), kTitleActiveText);

    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&w, &deactivate);
    EXPECT_EQ(w.focusFlag(), QStringLiteral("0"));
    EXPECT_EQ(ShownColour(w.piece(SkinnedWindow::Piece::TopCentre)),
              SkinFixture::ColourOf(QStringLiteral("border_white_top_center.bmp")));
    EXPECT_EQ(ShownColour(w.closeButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_white_close.bmp")));
    EXPECT_EQ(w.titleLabel()->palette().color(QPalette::WindowText), kTitleInactiveText);

    // An inactive window keeps its inactive pictures under the mouse.
    Hover(w.closeButton(), true);
    EXPECT_EQ(ShownColour(w.closeButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_white_close.bmp")));

    QCoreApplication::sendEvent(&w, &activate);
    EXPECT_EQ(ShownColour(w.closeButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blue_close.bmp")));
    EXPECT_EQ(ShownColour(w.minimiseButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blueoff_min.bmp")));
    Hover(w.closeButton(), false);
    EXPECT_EQ(ShownColour(w.closeButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blueoff_close.bmp")));
}

TEST(SkinnedWindow, LayoutFollowsEveryResizeAndClipsTheOutline) {
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    w.resize(600, 400);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const int before = w.layouts;
    w.resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_GT(w.layouts, before);
    EXPECT_EQ(w.closeButton()->geometry().right() + 1, 900 - 5);
    EXPECT_EQ(w.piece(SkinnedWindow::Piece::BotRight)->geometry(), QRect(896, 496, 4, 4));
    EXPECT_EQ(w.piece(SkinnedWindow::Piece::TopCentre)->width(), 30000);
    EXPECT_FALSE(w.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w.mask().contains(QPoint(450, 250)));
    EXPECT_EQ(w.innerArea(), QRect(4, 30, 892, 466));
}

TEST(SkinnedWindow, TitleButtonsCloseMinimiseAndMaximise) {
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    w.resize(600, 400);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    QTest::mouseClick(w.closeButton(), Qt::LeftButton);
    EXPECT_EQ(w.closes, 1);
    // A press that ends outside the button is no click.
    QTest::mousePress(w.closeButton(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(w.closeButton(), Qt::LeftButton, {}, QPoint(60, 2));
    EXPECT_EQ(w.closes, 1);

    QTest::mouseClick(w.maximiseButton(), Qt::LeftButton);
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(ShownColour(w.maximiseButton()).isValid(), true);
    QTest::mouseClick(w.maximiseButton(), Qt::LeftButton);
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);

    w.setWindowState(Qt::WindowMinimized);
    QTest::mouseClick(w.maximiseButton(), Qt::LeftButton);
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);  // nothing while minimised
}

TEST(SkinnedWindow, MaximiseFillsTheScreenAreaAndRestoreBringsBackTheNormalGeometry) {
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    const QRect normal(50, 60, 600, 400);
    w.setGeometry(normal);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);
    const QRect area = w.screen()->availableGeometry();
    ASSERT_NE(area.size(), normal.size());

    w.maximiseWindow();
    EXPECT_TRUE(w.isMaximisedWindow());
    EXPECT_EQ(w.geometry(), area);
    EXPECT_EQ(w.piece(SkinnedWindow::Piece::BotRight)->geometry().bottomRight(),
              QPoint(area.width() - 1, area.height() - 1));
    EXPECT_EQ(ShownColour(w.maximiseButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blueoff_norm.bmp")));
    Hover(w.maximiseButton(), true);
    EXPECT_EQ(ShownColour(w.maximiseButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blue_norm.bmp")));
    Hover(w.maximiseButton(), false);
    // A second maximise must not overwrite the geometry to come back to.
    w.maximiseWindow();
    EXPECT_EQ(w.normalWindowGeometry(), normal);

    QTest::mouseClick(w.maximiseButton(), Qt::LeftButton);
    EXPECT_FALSE(w.isMaximisedWindow());
    EXPECT_EQ(w.geometry(), normal);
    EXPECT_EQ(w.piece(SkinnedWindow::Piece::BotRight)->geometry().bottomRight(),
              QPoint(normal.width() - 1, normal.height() - 1));
    EXPECT_EQ(ShownColour(w.maximiseButton()),
              SkinFixture::ColourOf(QStringLiteral("prog_blueoff_max.bmp")));
    w.restoreWindow();  // not maximised: stays put
    EXPECT_EQ(w.geometry(), normal);

    // Minimised: neither maximise nor restore acts.
    w.setWindowState(Qt::WindowMinimized);
    w.maximiseWindow();
    EXPECT_FALSE(w.isMaximisedWindow());
    w.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
    w.restoreWindow();
    EXPECT_TRUE(w.isMaximisedWindow());
}

TEST(SkinnedWindow, AWindowThatIsClickedOrActivatedIsNoLongerMinimised) {
    // Without a window manager nothing hides a minimised window; it stays on screen.
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    w.resize(600, 400);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    w.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(w.windowState() & Qt::WindowMinimized);
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    QTest::mouseClick(w.maximiseButton(), Qt::LeftButton);
    EXPECT_TRUE(w.isMaximisedWindow());

    // Minimising a maximised window keeps it maximised for when it comes back.
    w.setWindowState(w.windowState() | Qt::WindowMinimized);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(w.isMaximisedWindow());
}

TEST(CaptionDrag, TitleStripMovesTheWindowWithTheMouseUntilRelease) {
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    w.resize(600, 400);
    w.move(100, 100);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();

    // The offscreen platform refuses a system move, so the fallback must carry the window.
    QWidget* handle = w.piece(SkinnedWindow::Piece::TopCentre);
    const QPoint grab(20, 10);
    QTest::mousePress(handle, Qt::LeftButton, {}, grab);
    EXPECT_TRUE(w.captionDrag()->followingMouse());
    QMouseEvent move(QEvent::MouseMove, QPointF(grab),
                     QPointF(handle->mapToGlobal(grab) + QPoint(40, 25)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
    EXPECT_EQ(w.pos(), start + QPoint(40, 25));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grab);
    EXPECT_FALSE(w.captionDrag()->followingMouse());

    // After the release the mouse no longer carries the window.
    const QPoint after = w.pos();
    QMouseEvent stray(QEvent::MouseMove, QPointF(grab),
                      QPointF(handle->mapToGlobal(grab) + QPoint(90, 90)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &stray);
    EXPECT_EQ(w.pos(), after);

    // Any button starts the drag, and the title label is a handle as well.
    QTest::mousePress(w.titleLabel(), Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(w.captionDrag()->followingMouse());
    QTest::mouseRelease(w.titleLabel(), Qt::RightButton, {}, QPoint(2, 2));
}

TEST(SkinnedWindow, TitleButtonsAreNamedPressableAndLastInTheTabOrder) {
    SkinFixture skin;
    ClearPictureCache();
    PracticeLike w(PracticeSkin(skin.folder()));
    auto* first = new SkinnedButton(QStringLiteral("Own1"), skin.folder(), &w);
    auto* second = new SkinnedButton(QStringLiteral("Own2"), skin.folder(), &w);
    w.resize(600, 400);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QList<QWidget*> order;
    for (QWidget* x = first; order.size() < 5; x = x->nextInFocusChain())
        if (x->focusPolicy() & Qt::TabFocus) order.append(x);
    const QList<QWidget*> expected = {first, second, w.minimiseButton(), w.maximiseButton(),
                                      w.closeButton()};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(w.closeButton()->text(), QStringLiteral("Close"));
    EXPECT_EQ(w.minimiseButton()->text(), QStringLiteral("Minimise"));
    EXPECT_EQ(w.maximiseButton()->text(), QStringLiteral("Maximise"));
    // Enter on the focused close button is the same as a click.
    QTest::keyClick(w.closeButton(), Qt::Key_Return);
    EXPECT_EQ(w.closes, 1);
}

// The frame pieces draw their stretched pictures without a full stretched copy (the practice
// window's top is 30000 pixels wide); what they show must stay pixel for pixel what a scaled
// label shows, with the program's own pictures, active and inactive.
TEST(SkinnedWindow, FramePiecesShowTheirPicturesExactlyAsAScaledLabelDoes) {
    QTemporaryDir program;
    ASSERT_TRUE(WriteGraphics(program.path()).isEmpty());
    ClearPictureCache();
    PracticeLike w(PracticeSkin(program.path() + QStringLiteral("/Graphics")));
    w.resize(900, 600);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const auto shown = [](QWidget* widget) {
        return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (bool active : {true, false}) {
        w.setSkinActive(active);
        for (int i = 0; i < 8; ++i) {
            const QLabel* piece = w.piece(static_cast<SkinnedWindow::Piece>(i));
            ASSERT_FALSE(piece->pixmap().isNull()) << piece->objectName().toStdString();
            QLabel label;
            label.setScaledContents(true);
            label.setPixmap(piece->pixmap());
            label.resize(piece->size());
            EXPECT_EQ(shown(const_cast<QLabel*>(piece)), shown(&label))
                << piece->objectName().toStdString() << (active ? " active" : " inactive");
        }
    }
}
