// The course as a textbook would print it, read from the pages the package builder makes: money
// in the currency's form, long numbers grouped, "a" and "an" by sound, and no unit left at the
// start of a line when the question view is 700 pixels wide.

#include "course_source.h"
#include "question_page.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

// HM_TEST_COURSE points the tests at another course, such as the samples of new families.
bool committedCourse() {
    return qEnvironmentVariableIsEmpty("HM_TEST_COURSE");
}

struct Page {
    int id = 0;
    QString html;  // the question's body as the document carries it
};

const QList<Page>& pages() {
    static const QList<Page> all = [] {
        QList<Page> out;
        SourceError error;
        const auto course = ReadCourse(
            qEnvironmentVariable("HM_TEST_COURSE", QStringLiteral(HM_COURSE_DIR)), error);
        if (!course) {
            ADD_FAILURE() << error.message.toStdString();
            return out;
        }
        // A worked solution is read as carefully as its question.
        for (const SourcePaper& paper : course->papers)
            for (const SourceQuestion& q : paper.questions) {
                out.append({q.id, q.html});
                if (!q.solution.isEmpty()) out.append({q.id, q.solution});
            }
        return out;
    }();
    return all;
}

// The words the learner reads: tags dropped, entities kept (so &nbsp; can be told from a space),
// numeric entities dropped.
QString visibleText(const QString& html) {
    QString text = html;
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression numeric(QStringLiteral("&#\\d+;"));
    text.replace(tag, QStringLiteral(" ")).replace(numeric, QString());
    return text.simplified();
}

// Units a number may carry; a line must not begin with one.
const QStringList& units() {
    static const QStringList list = {
        "mm",   "cm",  "m",    "km",    "g",     "kg",      "ml",     "l",   "litres",  "litre",
        "km/h", "m/s", "h",    "hours", "hour",  "minutes", "minute", "min", "seconds", "s",
        "cm²",  "cm³", "m²",   "m³",    "km²",   "mm²",     "°",      "%",   "am",      "pm",
        "AM",   "PM",  "days", "weeks", "years", "tonnes",  "cents"};
    return list;
}

// "an" when the spoken form of what follows begins with a vowel sound.
bool wantsAn(const QString& next) {
    static const QRegularExpression number(QStringLiteral("^(\\d+(?:&nbsp;\\d{3})*)"));
    const auto m = number.match(next);
    if (m.hasMatch()) {
        QString digits = m.captured(1);
        digits.remove(QStringLiteral("&nbsp;"));
        const int lead = (static_cast<int>(digits.size()) - 1) % 3 + 1;
        const QString group = digits.left(lead);
        return group.startsWith('8') || group == QLatin1String("11") ||
               group == QLatin1String("18");
    }
    const QString word = next.toLower();
    for (const char* silent : {"hour", "honest", "honour"})
        if (word.startsWith(QLatin1String(silent))) return true;
    for (const char* consonantSound : {"uni", "use", "usu", "one", "once", "eu", "ewe"})
        if (word.startsWith(QLatin1String(consonantSound))) return false;
    return !word.isEmpty() && QStringLiteral("aeiou").contains(word[0]);
}

TEST(CourseWriting, MoneyIsWrittenAsTheCurrencyWritesIt) {
    ASSERT_FALSE(pages().isEmpty());
    // "$67.6", "$4.125" and "67.60 dollars" are not how a price is printed.
    static const QRegularExpression badCents(
        QStringLiteral("\\$[\\d&nbsp;]+\\.(\\d|\\d{3,})(?!\\d)"));
    static const QRegularExpression spelled(QStringLiteral("\\d(&nbsp;| )dollars"));
    static const QRegularExpression missingDollar(
        QStringLiteral("(?<![$\\d.])\\d+\\.\\d\\d(&nbsp;| )dollars"));
    for (const Page& p : pages()) {
        const QString text = visibleText(p.html);
        EXPECT_FALSE(badCents.match(text).hasMatch())
            << p.id << ": " << badCents.match(text).captured().toStdString();
        EXPECT_FALSE(spelled.match(text).hasMatch()) << p.id << ": " << text.toStdString();
        EXPECT_FALSE(missingDollar.match(text).hasMatch()) << p.id;
    }
}

TEST(CourseWriting, WholeNumbersOfFiveDigitsOrMoreAreGroupedOneWay) {
    ASSERT_FALSE(pages().isEmpty());
    // Digits after a decimal point are never grouped; the course groups with spaces, not commas.
    static const QRegularExpression ungrouped(QStringLiteral("(?<![\\d.])\\d{5,}"));
    static const QRegularExpression comma(QStringLiteral("\\d,\\d{3}(?!\\d)"));
    static const QRegularExpression looseGroup(QStringLiteral("\\d&nbsp;\\d{4,}"));
    // A worked solution's answer line shows the key as the learner types it, in plain digits.
    static const QRegularExpression typedValue(
        QStringLiteral("<span class=\"value\">[^<]*</span>"));
    int grouped = 0;
    for (const Page& p : pages()) {
        const QString text = visibleText(QString(p.html).remove(typedValue));
        EXPECT_FALSE(ungrouped.match(text).hasMatch())
            << p.id << ": " << ungrouped.match(text).captured().toStdString();
        EXPECT_FALSE(comma.match(text).hasMatch())
            << p.id << ": " << comma.match(text).captured().toStdString();
        EXPECT_FALSE(looseGroup.match(text).hasMatch()) << p.id;
        grouped += text.contains(QRegularExpression(QStringLiteral("\\d&nbsp;\\d{3}")));
    }
    if (committedCourse()) {
        EXPECT_GT(grouped, 0) << "the course has long numbers, and they should be grouped";
    }
}

TEST(CourseWriting, ArticlesFollowTheSoundOfTheNextWord) {
    ASSERT_FALSE(pages().isEmpty());
    // An article before a letter that names a side or a point ("side a and b") is no article.
    static const QRegularExpression article(
        QStringLiteral("(?<![\\w(])(an?|An?) ((?:\\d+(?:&nbsp;\\d{3})*)|[A-Za-z][a-z]+)"));
    static const QStringList notNouns = {"and", "or", "is", "are", "of", "to", "in", "on", "the"};
    int checked = 0;
    for (const Page& p : pages()) {
        const QString text = visibleText(p.html);
        for (auto it = article.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const QString next = m.captured(2);
            if (notNouns.contains(next)) continue;
            ++checked;
            const bool an = m.captured(1).size() == 2;
            EXPECT_EQ(an, wantsAn(next)) << p.id << ": \"" << m.captured().toStdString() << "\"";
        }
    }
    if (committedCourse()) {
        EXPECT_GT(checked, 100);
    }
}

// A count of one takes the singular: "1 box", never "1 boxes" (an option a slip leads to).
TEST(CourseWriting, OneTakesTheSingular) {
    ASSERT_FALSE(pages().isEmpty());
    static const QRegularExpression one(
        QStringLiteral("(?<![\\d.,/;-])1(?:&nbsp;| )([a-z]{2,}s)\\b"));
    static const QStringList notPlurals = {"has", "was", "plus", "minus", "less", "this", "is"};
    for (const Page& p : pages()) {
        const QString text = visibleText(p.html);
        for (auto it = one.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            EXPECT_TRUE(notPlurals.contains(m.captured(1)))
                << p.id << ": \"" << m.captured().toStdString() << "\"";
        }
    }
}

// A sentence does not open with a count: "Three friends ...", "Of the 400 pupils, 356 ...".
// Displayed sums, percentages and measures ("25% of a number", "48 litres") may open one.
TEST(CourseWriting, NoSentenceOpensWithACount) {
    ASSERT_FALSE(pages().isEmpty());
    static const QRegularExpression paragraph(QStringLiteral("<p[^>]*>(.*?)</p>"),
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression opening(QStringLiteral("(?:^|[.?!] )\\d+ [a-z][^.?!]*"));
    for (const Page& p : pages())
        for (auto it = paragraph.globalMatch(p.html); it.hasNext();) {
            const QString text = visibleText(it.next().captured(1));
            const auto m = opening.match(text);
            EXPECT_FALSE(m.hasMatch()) << p.id << ": \"" << m.captured().toStdString() << "\"";
        }
}

// The lines of a question page, laid out as the question view lays out its document (700 px less
// the view's frame), that begin with a unit after a number on the line before.
QStringList unitsStartingLines(QTextDocument& document, int id, const QString& body) {
    QStringList found;
    SourceQuestion question;
    question.id = id;
    question.html = body;
    document.setHtml(QuestionPageHtml(question));
    document.setTextWidth(698);
    document.documentLayout()->documentSize();
    static const QRegularExpression wordEnd(QStringLiteral("[ ,.;:)?]"));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        for (int i = 1; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const QString start = text.mid(line.textStart(), line.textLength()).trimmed();
            const QString before = text.left(line.textStart()).trimmed();
            const bool afterNumber =
                !before.isEmpty() && (before.back().isDigit() || before.back() == '_');
            if (afterNumber && units().contains(start.section(wordEnd, 0, 0))) found.append(start);
            // Nor may a line begin with punctuation or an ellipsis, or hold a lone number such
            // as "54." cut from the end of its sentence.
            static const QRegularExpression stray(QStringLiteral("^([.,;:?!)\\x{2026}]|[0-9.,]+[.,]?$)"));
            if (stray.match(start).hasMatch()) found.append(start);
        }
    }
    return found;
}

TEST(CourseWriting, NoLineStartsWithAUnitOrPunctuationAt700Pixels) {
    ASSERT_FALSE(pages().isEmpty());
    QTextDocument document;
    for (const Page& p : pages()) {
        const QStringList found = unitsStartingLines(document, p.id, p.html);
        EXPECT_TRUE(found.isEmpty())
            << p.id << ": a line starts with \"" << found.value(0).toStdString() << "\"";
    }

    // The check itself: a plain space lets the line break between 12 and cm somewhere along a
    // growing sentence; the non-breaking space never does.
    int plainBreaks = 0;
    for (int words = 30; words < 120; ++words) {
        const QString lead = QStringLiteral("pen ").repeated(words);
        plainBreaks += !unitsStartingLines(document, 1, "<p>" + lead + "12 cm long.</p>").isEmpty();
        EXPECT_TRUE(
            unitsStartingLines(document, 1, "<p>" + lead + "12&nbsp;cm long.</p>").isEmpty())
            << words;
    }
    EXPECT_GT(plainBreaks, 0);
}

}  // namespace
