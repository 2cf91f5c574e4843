#include "course_source.h"
#include "figure_painter.h"
#include "mht_archive.h"
#include "package_builder.h"
#include "package_tables.h"
#include "question_page.h"

#include "gif_writer.h"

#include "platform/mht_document.h"
#include "results/results_files.h"

#include <QImage>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Course FixtureCourse() {
    SourceError error;
    auto course = ReadCourse(HM_FIXTURE_DIR, error);
    EXPECT_TRUE(course.has_value()) << error.message.toStdString();
    return course.value_or(Course{});
}

}  // namespace

TEST(PackageTables, RecordFilesAreFencedAndListQuestionsPaperByPaper) {
    const Course course = FixtureCourse();
    const QByteArray catalogue = CatalogueBytes(course.catalogue);
    EXPECT_TRUE(catalogue.startsWith("...\r\n#NME#>Home Maths Quiz\r\n#COD#>HM\r\n"));
    EXPECT_TRUE(catalogue.contains("\r\n----------"));
    EXPECT_TRUE(catalogue.contains("\r\n#LBH#>Practice\r\n#TT2#>1\r\n#TP2#>5\r\n#TN2#>Whole Numbers\r\n"));
    EXPECT_TRUE(catalogue.endsWith("\r\n..."));

    const QByteArray papers = PaperTableBytes(course);
    EXPECT_TRUE(papers.startsWith("...\r\n#101#>22032>22035>22040>22091\r\n#102#>20011>20012\r\n"));
    const QByteArray keys = AnswerKeyBytes(course);
    EXPECT_TRUE(keys.contains("\r\n#22091#>36000 >1333 1/3\r\n#20011#>12.15 pm\r\n"));
    EXPECT_TRUE(AnswerKindBytes(course).contains("\r\n#22091#>N>X\r\n"));
    EXPECT_TRUE(MarksTableBytes(course).contains("\r\n#22091#>2>3\r\n"));
    EXPECT_TRUE(MarksTableBytes(course).endsWith("#20134#>1>2\r\n..."));

    const QList<int> parts = PartsPerPaper(course);
    EXPECT_EQ(ResultsTemplateBytes(ResultsFile::First, parts),
              "...\r\n#101#>>>>>\r\n#102#>>\r\n#103#>>\r\n#104#>>\r\n#105#>>>>\r\n...");
    EXPECT_EQ(ResultsTemplateBytes(ResultsFile::Trend, parts), "#TRD#");
    const QByteArray marks = ResultsTemplateBytes(ResultsFile::Marks, QList<int>(50, 30));
    EXPECT_EQ(marks.size(), 450);
    EXPECT_TRUE(marks.contains("\r\n#FSE#" + QByteArray(50, '>') + "\r\n#SSE#"));
    EXPECT_TRUE(marks.contains("\r\n#SST#" + QByteArray(">0").repeated(50) + "\r\n...") && marks.endsWith(">0\r\n..."));
}

TEST(QuotedPrintable, KeepsLinesShortAndEncodesWhatMailWouldMangle) {
    const QByteArray text = QByteArray("a=b \xc3\xa9 end \n") + QByteArray(200, 'x') + "\n<p class=\"x\">\t";
    const QByteArray encoded = EncodeQuotedPrintable(text);
    for (const QByteArray& line : encoded.split('\n')) {
        EXPECT_LE(line.size(), 77);  // 76 and the CR
        EXPECT_FALSE(line.endsWith(" \r") || line.endsWith("\t\r") || line.endsWith(' ') || line.endsWith('\t'));
    }
    EXPECT_TRUE(encoded.startsWith("a=3Db =C3=A9 end=20\r\n"));
    EXPECT_TRUE(encoded.endsWith("class=3D\"x\">=09"));
    EXPECT_FALSE(encoded.contains("\n\n"));
}

TEST(FigurePainter, DrawsCrispFiguresThatSurviveTheGifPalette) {
    SourceFigure figure;
    figure.width = 200;
    figure.height = 120;
    FigurePrimitive rect;
    rect.kind = "rect";
    rect.numbers = {20, 20, 100, 60};
    rect.fill = "#dbe9f7";
    FigurePrimitive circle;
    circle.kind = "circle";
    circle.numbers = {160, 60, 30};
    circle.fill = "#f5cba7";
    FigurePrimitive label;
    label.kind = "text";
    label.numbers = {70, 100};
    label.align = "c";
    label.text = "12 cm";
    figure.primitives = {rect, circle, label};

    const QImage image = PaintFigure(figure);
    ASSERT_EQ(image.size(), QSize(200, 120));
    const QByteArray gif = EncodeGif(image);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(gif, "GIF"));
    ASSERT_EQ(decoded.size(), image.size());
    // Fills keep their exact colour: no generic palette, no dithering.
    EXPECT_EQ(QColor(decoded.pixel(70, 50)), QColor("#dbe9f7"));
    EXPECT_EQ(QColor(decoded.pixel(160, 60)), QColor("#f5cba7"));
    EXPECT_EQ(QColor(decoded.pixel(5, 5)), QColor(Qt::white));
    // The outline and the label are drawn in ink.
    EXPECT_LT(qGray(decoded.pixel(20, 50)), 120);
    int inkInLabel = 0;
    for (int x = 45; x < 95; ++x)
        for (int y = 92; y < 108; ++y) inkInLabel += qGray(decoded.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(inkInLabel, 20);
    EXPECT_EQ(EncodeGif(PaintFigure(figure)), gif);  // the build is reproducible
}

TEST(QuestionDocument, ArchiveReadsBackWithEveryFigure) {
    const Course course = FixtureCourse();
    int figures = 0;
    for (const SourcePaper& paper : course.papers) {
        for (const SourceQuestion& question : paper.questions) {
            const MhtReadResult read = ReadMhtBytes(QuestionDocumentBytes(question));
            ASSERT_TRUE(read.ok) << read.error.toStdString();
            // The question's own HTML comes back unchanged inside the page.
            EXPECT_TRUE(read.document.html.contains(question.html)) << question.id;
            EXPECT_TRUE(read.document.html.contains(QuestionStyleSheet()));
            for (const SourceFigure& figure : question.figures) {
                ++figures;
                QImage image;
                ASSERT_TRUE(image.loadFromData(read.document.resolve(figure.fileName)));
                EXPECT_EQ(image.size(), QSize(figure.width, figure.height));
            }
        }
    }
    EXPECT_EQ(figures, 2);
}

TEST(QuestionDocument, PackageFolderHoldsOneFilePerIdAndTheQrcListsThem) {
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(WritePackage(FixtureCourse(), dir.path(), error)) << error.toStdString();
    for (int id : {30000, 30022, 30023, 30024, 30025, 30121, 30122, 30123, 30124, 30125, 30126, 22032, 20134})
        EXPECT_TRUE(QFile::exists(dir.filePath(QString::number(id)))) << id;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 11 + 13);
    const QByteArray qrc = PackageQrc(dir.path());
    EXPECT_EQ(qrc.count("<file alias="), 24);
    EXPECT_TRUE(qrc.contains("<file alias=\"22032\">" + dir.filePath("22032").toUtf8() + "</file>"));
    EXPECT_FALSE(qrc.contains("compression-algorithm"));

    // A rebuild drops ids that left the course, keeps the skin pictures and other files, and
    // leaves unchanged files alone.
    for (const char* name : {"21111", "7", "notes.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile damaged(dir.filePath("22035"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    const QByteArray document = damaged.readAll();
    damaged.seek(0);
    damaged.write("X");
    damaged.close();
    ASSERT_TRUE(WritePackage(FixtureCourse(), dir.path(), error));
    EXPECT_FALSE(QFile::exists(dir.filePath("21111")));
    EXPECT_TRUE(QFile::exists(dir.filePath("7")));
    EXPECT_TRUE(QFile::exists(dir.filePath("notes.txt")));
    QFile repaired(dir.filePath("22035"));
    ASSERT_TRUE(repaired.open(QIODevice::ReadOnly));
    EXPECT_EQ(repaired.readAll(), document);

    // A skin picture (read at every start) is stored as it is; the documents stay packed.
    const QByteArray withPicture = PackageQrc(dir.path());
    EXPECT_EQ(withPicture.count("compression-algorithm=\"none\""), 1);
    EXPECT_TRUE(withPicture.contains("<file alias=\"7\" compression-algorithm=\"none\">"));
}
