#include "platform/question_document_view.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// A built question document with a picture, or empty text when the package is not built.
QString DocumentWithPicture() {
    const QDir package(QStringLiteral(HM_BUILD_DIR) + "/package");
    for (const QString& name : package.entryList(QDir::Files)) {
        const int id = name.toInt();
        if (id < 20011 || id > 22841) continue;
        const MhtReadResult read = ReadMhtFile(package.filePath(name));
        if (read.ok && !ImageReferences(read.document.html).isEmpty()) return package.filePath(name);
    }
    return {};
}

}  // namespace

TEST(QuestionDocumentView, ShowsTheDocumentWithItsPicturesAndKeepsItOnFailure) {
    const QString path = DocumentWithPicture();
    if (path.isEmpty()) GTEST_SKIP() << "the package is not built";
    QuestionDocumentView view;
    view.resize(700, 500);
    view.show();
    ASSERT_TRUE(view.openDocument(path)) << view.lastError().toStdString();
    const QString text = view.toPlainText();
    EXPECT_FALSE(text.trimmed().isEmpty());
    const QString reference = ImageReferences(view.archive().html).first();
    const QVariant picture = view.document()->resource(QTextDocument::ImageResource, QUrl(reference));
    const QImage image = picture.value<QImage>();
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 10);

    // A damaged file leaves the shown question in place and says why.
    QTemporaryDir dir;
    QFile damaged(dir.filePath("temppaper20011.mht"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    damaged.write(original.readAll().left(original.size() / 2));
    damaged.close();
    EXPECT_FALSE(view.openDocument(damaged.fileName()));
    EXPECT_FALSE(view.lastError().isEmpty());
    EXPECT_EQ(view.toPlainText(), text);
}

// Zoomed, the question's text and pictures grow together, so the page grows in both directions
// and its pictures are drawn from images as large as they are shown.
TEST(QuestionDocumentView, ZoomGrowsTheTextAndThePicturesTogether) {
    const QString path = DocumentWithPicture();
    if (path.isEmpty()) GTEST_SKIP() << "the package is not built";
    QuestionDocumentView view;
    view.resize(2000, 500);  // wide enough that nothing wraps
    view.show();
    ASSERT_TRUE(view.openDocument(path));
    const QString reference = ImageReferences(view.archive().html).first();
    auto pictureWidth = [&] {
        const QVariant picture =
            view.document()->resource(QTextDocument::ImageResource, QUrl(reference));
        return picture.value<QImage>().width();
    };
    const QSizeF normal = view.document()->size();
    const int normalPicture = pictureWidth();
    view.setZoom(200);
    EXPECT_EQ(view.zoom(), 200);
    EXPECT_GT(view.document()->size().height(), normal.height() * 1.8);
    EXPECT_EQ(pictureWidth(), 2 * normalPicture);
    // Kept for the next document; never smaller than designed.
    ASSERT_TRUE(view.openDocument(path));
    EXPECT_GT(view.document()->size().height(), normal.height() * 1.8);
    view.setZoom(50);
    EXPECT_EQ(view.zoom(), 100);
    EXPECT_NEAR(view.document()->size().height(), normal.height(), 1);
}

TEST(QuestionDocumentView, ReportsKeysAndClicksAndOffersNoCopy) {
    QuestionDocumentView view;
    view.setHtml("<p>Work out 3456 + 1289.</p>");
    view.resize(400, 300);
    view.show();
    view.setFocus();
    QSignalSpy keys(&view, &QuestionDocumentView::keyDown);
    QSignalSpy clicks(&view, &QuestionDocumentView::mouseDown);
    QApplication::clipboard()->setText("before");

    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_V);
    // The Ctrl key's own presses are key-downs too.
    QList<std::pair<bool, int>> pressed;
    for (const QList<QVariant>& key : keys) pressed.append({key[0].toBool(), key[1].toInt()});
    const QList<std::pair<bool, int>> expected = {{true, Qt::Key_Control}, {true, Qt::Key_A}, {true, Qt::Key_Control},
                                                  {true, 67}, {false, Qt::Key_V}};
    EXPECT_EQ(pressed, expected);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0][0].toInt(), 2);
    EXPECT_EQ(clicks[1][0].toInt(), 1);
    EXPECT_TRUE(view.textCursor().selectedText().isEmpty());
}
