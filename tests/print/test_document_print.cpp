// The printed question read back from the PDF: its size on paper, its place on the page, every
// word of it, the pictures' scale, and what happens when it is long or wide.
#include "pdf_words.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "platform/document_print.h"
#include "platform/print_job.h"

namespace {

// The first question of the course with a picture in it.
MhtDocument QuestionWithPicture() {
    for (int id = kFirstQuestionId; id <= kLastQuestionId; ++id) {
        if (!ResourceExists(id)) continue;
        const MhtReadResult read = ReadMhtBytes(ResourceBytes(id));
        if (read.ok && !ImageReferences(read.document.html).isEmpty()) return read.document;
    }
    return {};
}

QByteArray PngOf(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A page of paragraphs in the course's body style, with one picture of the given width.
MhtDocument MadeUpDocument(int paragraphs, int pictureWidth) {
    MhtDocument doc;
    QString body;
    for (int i = 1; i <= paragraphs; ++i)
        body += QStringLiteral("<p>Paragraph %1 tells how many marbles Jamal gives to Kofi.</p>")
                    .arg(i);
    body += QStringLiteral("<p><img src=\"fig1.png\"></p>");
    doc.html = QStringLiteral(
                   "<html><head><style>body { font-family: 'Trebuchet MS', Arial; "
                   "font-size: 18px; }</style></head><body>%1</body></html>")
                   .arg(body);
    doc.partsByLocation.insert(QStringLiteral("fig1.png"), PngOf(pictureWidth, 120));
    return doc;
}

struct Printed {
    bool ok = false;
    DocumentPrintPlan plan;
    PdfWords words;
    QStringList documentWords;
};

Printed PrintToPdf(const MhtDocument& archive, const PrintTarget& target, const QString& path,
                   const QString& header) {
    Printed printed;
    const auto document = PrintableDocument(archive);
    printed.documentWords = Words(document->toPlainText());
    printed.ok = WritePdf(path, header, TargetPageLayout(target, QPageSize(QPageSize::A4)),
                          [&](QPagedPaintDevice& device) {
                              return PrintDocumentPages(*document, device, header, &printed.plan);
                          });
    printed.words = ReadPdfWords(path);
    return printed;
}

// The x-ppi pdfimages reports for each picture of the file.
QList<double> PicturePpi(const QString& path) {
    QList<double> ppi;
    const QStringList lines =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(' ');
        if (columns.size() > 12 && columns[2] == QLatin1String("image"))
            ppi.append(columns[12].toDouble());
    }
    return ppi;
}

// HM_PRINT_SHOTS=<folder> keeps the printed pages for a person to look at.
void KeepForLooking(const QString& path) {
    const QString shots = qEnvironmentVariable("HM_PRINT_SHOTS");
    if (shots.isEmpty() || !QDir().mkpath(shots)) return;
    const QString copy = QDir(shots).filePath(QFileInfo(path).fileName());
    QFile::remove(copy);
    QFile::copy(path, copy);
}

constexpr double kMarginPt = 15 / 25.4 * 72;

}  // namespace

TEST(DocumentPrint, AQuestionFillsThePageWidthAtAReadableSizeOnA4AndLetter) {
    if (!HavePopplerTools()) GTEST_SKIP() << "poppler-utils are not installed";
    const MhtDocument question = QuestionWithPicture();
    ASSERT_FALSE(question.html.isEmpty()) << "no question with a picture in the package";
    QTemporaryDir dir;
    const QFont mainFont = MainFontOf(*PrintableDocument(question));
    const double smallest = WordHeightAt(mainFont, 10, dir.path());
    const double largest = WordHeightAt(mainFont, 12, dir.path());
    ASSERT_GT(smallest, 0);
    ASSERT_GT(largest, smallest);
    const QString header = QStringLiteral("Shapes - Paper 2 - Question 4 of 30");

    const QList<std::pair<QPageSize::PageSizeId, QPageLayout::Orientation>> pages = {
        {QPageSize::A4, QPageLayout::Portrait},
        {QPageSize::Letter, QPageLayout::Portrait},
        {QPageSize::A4, QPageLayout::Landscape}};
    for (const auto& [size, orientation] : pages) {
        PrintTarget target;
        target.kind = PrintTarget::Kind::Pdf;
        target.pageSize = QPageSize(size);
        target.orientation = orientation;
        const QString name = QStringLiteral("%1-%2").arg(QPageSize(size).key()).arg(orientation);
        SCOPED_TRACE(name.toStdString());
        const QString path = dir.filePath(name + QStringLiteral(".pdf"));
        const Printed printed = PrintToPdf(question, target, path, header);
        ASSERT_TRUE(printed.ok);
        ASSERT_EQ(printed.words.pages.size(), 1);
        const QSizeF paper =
            QPageLayout(QPageSize(size), orientation, {}).fullRect(QPageLayout::Point).size();
        EXPECT_NEAR(printed.words.pages[0].width(), paper.width(), 1);
        EXPECT_NEAR(printed.words.pages[0].height(), paper.height(), 1);

        // The header line comes first, and every word of the question follows it in order.
        const QStringList pdfWords = Words(printed.words.texts().join(' '));
        EXPECT_EQ(pdfWords.mid(0, Words(header).size()), Words(header));
        EXPECT_EQ(MissingInOrder(printed.documentWords, pdfWords.mid(Words(header).size())),
                  QStringList());

        // The body text (below the header) is 10 to 12 pt on paper, and nothing leaves the
        // printable area.
        const double headerBottom = printed.words.words.first().box.bottom();
        QList<double> heights;
        for (const PdfWord& w : printed.words.words) {
            EXPECT_GE(w.box.left(), kMarginPt - 1) << qPrintable(w.text);
            EXPECT_LE(w.box.right(), paper.width() - kMarginPt + 1) << qPrintable(w.text);
            EXPECT_LE(w.box.bottom(), paper.height() - kMarginPt + 1) << qPrintable(w.text);
            if (w.box.top() > headerBottom) heights.append(w.box.height());
        }
        const double body = Median(heights);
        EXPECT_GE(body, smallest * 0.99);
        EXPECT_LE(body, largest * 1.01);

        // The layout spans the printable width, and the picture is drawn at the text's scale.
        EXPECT_NEAR(printed.plan.layoutWidth * printed.plan.pointsPerPixel,
                    paper.width() - 2 * kMarginPt, 1);
        const QList<double> ppi = PicturePpi(path);
        ASSERT_FALSE(ppi.isEmpty());
        for (const double p : ppi) EXPECT_NEAR(p, 72 / printed.plan.pointsPerPixel, 1.5);
        KeepForLooking(path);
    }
}

TEST(DocumentPrint, ALongQuestionGoesOnToFurtherPagesEachUnderItsHeader) {
    if (!HavePopplerTools()) GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    const MhtDocument long_ = MadeUpDocument(90, 300);
    PrintTarget target;
    target.kind = PrintTarget::Kind::Pdf;
    target.pageSize = QPageSize(QPageSize::A4);
    const QString path = dir.filePath(QStringLiteral("long.pdf"));
    const Printed printed = PrintToPdf(long_, target, path, QStringLiteral("Long question"));
    ASSERT_TRUE(printed.ok);
    ASSERT_GE(printed.plan.pages, 3);
    ASSERT_EQ(printed.words.pages.size(), printed.plan.pages);

    QStringList pdfWords;
    for (int p = 0; p < printed.plan.pages; ++p) {
        SCOPED_TRACE(p);
        QStringList page = Words([&] {
            QStringList t;
            for (const PdfWord& w : printed.words.onPage(p)) t.append(w.text);
            return t;
        }()
                                     .join(' '));
        const QStringList header = {QStringLiteral("Long"), QStringLiteral("question"),
                                    QStringLiteral("Page"), QString::number(p + 1),
                                    QStringLiteral("of"),   QString::number(printed.plan.pages)};
        ASSERT_GE(page.size(), header.size());
        EXPECT_EQ(page.mid(0, header.size()), header);
        // No line is cut by the page's foot: every word lies inside the printable height.
        for (const PdfWord& w : printed.words.onPage(p))
            EXPECT_LE(w.box.bottom(), printed.words.pages[p].height() - kMarginPt + 1);
        pdfWords += page.mid(header.size());
    }
    // Every paragraph, once, in order: nothing lost or doubled at a page break.
    EXPECT_EQ(pdfWords, printed.documentWords);
    EXPECT_EQ(PicturePpi(path).size(), 1);
    KeepForLooking(path);
}

TEST(DocumentPrint, WhatIsWiderThanThePageShrinksTheWholeQuestionToFit) {
    if (!HavePopplerTools()) GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    PrintTarget target;
    target.kind = PrintTarget::Kind::Pdf;
    target.pageSize = QPageSize(QPageSize::Letter);
    const QString path = dir.filePath(QStringLiteral("wide.pdf"));
    const Printed printed =
        PrintToPdf(MadeUpDocument(2, 3000), target, path, QStringLiteral("Wide"));
    ASSERT_TRUE(printed.ok);
    const double printable = 612 - 2 * kMarginPt;
    EXPECT_LT(printed.plan.bodyPoints, kPrintedBodyPoints);
    EXPECT_LE(3000 * printed.plan.pointsPerPixel, printable);
    const QList<double> ppi = PicturePpi(path);
    ASSERT_EQ(ppi.size(), 1);
    EXPECT_GE(ppi[0], 3000 / (printable / 72) - 1);  // the picture fits inside the margins
    EXPECT_EQ(MissingInOrder(printed.documentWords, Words(printed.words.texts().join(' '))),
              QStringList());
}

TEST(DocumentPrint, TheMainTextSizeIsTheOneMostCharactersUse) {
    QTextDocument document;
    document.setHtml(QStringLiteral(
        "<p style=\"font-size: 30px\">Title</p>"
        "<p style=\"font-size: 14px\">Most of the words of this question are set in this size.</p>"
        "<p style=\"font-size: 11px\">A short note.</p>"));
    EXPECT_EQ(MainTextPixels(document), 14);
    document.setHtml(QStringLiteral("<p style=\"font-size: 22px\">One size only</p>"));
    EXPECT_EQ(MainTextPixels(document), 22);
}
