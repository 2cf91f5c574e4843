#pragma once
// Reads a PDF back word by word with its place on the page (pdftotext -bbox), and measures how
// tall a word of a given point size comes out, so a test can tell the size text was printed at.

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

struct PdfWord {
    int page = 0;  // 0-based
    QRectF box;    // in points from the page's top-left corner
    QString text;
};

struct PdfWords {
    QList<QSizeF> pages;  // page sizes in points
    QList<PdfWord> words;

    QList<PdfWord> onPage(int page) const {
        QList<PdfWord> found;
        for (const PdfWord& w : words)
            if (w.page == page) found.append(w);
        return found;
    }
    QStringList texts() const {
        QStringList all;
        for (const PdfWord& w : words) all.append(w.text);
        return all;
    }
};

inline bool HavePopplerTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty();
}

inline QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfWords ReadPdfWords(const QString& pdfPath) {
    PdfWords result;
    const QString xml = RunTool(QStringLiteral("pdftotext"),
                                {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            result.pages.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
            continue;
        }
        PdfWord word;
        word.page = static_cast<int>(result.pages.size()) - 1;
        word.box = QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                          QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()));
        word.text = QTextDocumentFragment::fromHtml(m.captured(7)).toPlainText();
        result.words.append(word);
    }
    // Reading order: by line from the top (a word whose middle lies within a line's height
    // belongs to it), then from the left.
    std::stable_sort(
        result.words.begin(), result.words.end(), [](const PdfWord& a, const PdfWord& b) {
            if (a.page != b.page) return a.page < b.page;
            const bool sameLine =
                (a.box.center().y() > b.box.top() && a.box.center().y() < b.box.bottom()) ||
                (b.box.center().y() > a.box.top() && b.box.center().y() < a.box.bottom());
            if (!sameLine) return a.box.top() < b.box.top();
            return a.box.left() < b.box.left();
        });
    return result;
}

// The words of a text as a reader would list them (any white space, no-break spaces too;
// ligatures as their letters; pictures left out).
inline QStringList Words(const QString& text) {
    QString plain = text.normalized(QString::NormalizationForm_KC);
    plain.replace(QChar(0x00a0), QLatin1Char(' '));
    plain.remove(QChar::ObjectReplacementCharacter);
    return plain.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The words of `wanted` that are missing from `found` when read in order (found may hold more).
inline QStringList MissingInOrder(const QStringList& wanted, const QStringList& found) {
    QStringList missing;
    qsizetype at = 0;
    for (const QString& word : wanted) {
        const qsizetype next = found.indexOf(word, at);
        if (next < 0)
            missing.append(word);
        else
            at = next + 1;
    }
    return missing;
}

inline double Median(QList<double> values) {
    if (values.isEmpty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The font of the first run of words in a document: its main text's face.
inline QFont MainFontOf(const QTextDocument& document) {
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().trimmed().size() > 3)
                return it.fragment().charFormat().font().resolve(document.defaultFont());
    return document.defaultFont();
}

// How tall pdftotext reports a word of `font` at `points` on paper.
inline double WordHeightAt(QFont font, double points, const QString& folder) {
    const QString path = folder + QStringLiteral("/calibration-%1.pdf").arg(points);
    {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        QPainter painter(&writer);
        font.setPointSizeF(points);
        painter.setFont(font);
        painter.drawText(QPointF(1000, 2000), QStringLiteral("Calibration"));
    }
    const PdfWords words = ReadPdfWords(path);
    return words.words.isEmpty() ? 0 : words.words.first().box.height();
}
