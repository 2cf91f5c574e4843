// What a screen reader hears of a question: the course's own documents, read through the
// conversion, say their maths in words, keep the numbers of their options, read their tables row
// by row under the headings and their pictures by their descriptions.
#include "platform/spoken_text.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "platform/mht_document.h"

namespace {

struct Document {
    QString name;
    QString html;
    QString spoken;
};

// Every question document of the built package.
const QList<Document>& Documents() {
    static const QList<Document> documents = [] {
        QList<Document> out;
        const QDir package(QStringLiteral(HM_BUILD_DIR) + "/package");
        for (const QString& name : package.entryList(QDir::Files)) {
            const int id = name.toInt();
            if (id < 20011 || id > 22841) continue;
            const MhtReadResult read = ReadMhtFile(package.filePath(name));
            if (read.ok)
                out.append({name, read.document.html, SpokenQuestionText(read.document.html)});
        }
        return out;
    }();
    return documents;
}

QString Plain(QString html) {
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return html.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).simplified();
}

}  // namespace

TEST(SpokenText, TheCourseQuestionsAreReadInWords) {
    const QList<Document>& documents = Documents();
    if (documents.isEmpty()) GTEST_SKIP() << "the package is not built";
    EXPECT_GT(documents.size(), 1000);

    int powers = 0, options = 0, tables = 0, pictures = 0, mixed = 0, ratios = 0, areas = 0;
    static const QRegularExpression power(QStringLiteral("(\\d+)<sup>([23])</sup>"));
    static const QRegularExpression item(QStringLiteral("<li>(.*?)</li>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(
        QStringLiteral("<tr>\\s*<td[^>]*>([^<]*)</td>\\s*<td[^>]*>([^<]*)</td>"));
    static const QRegularExpression heading(
        QStringLiteral("<tr>\\s*<th>[^<]*</th>\\s*<th>([^<]*)</th>"));
    static const QRegularExpression alt(QStringLiteral("<img [^>]*alt=\"([^\"]+)\""));
    static const QRegularExpression mixedNumber(QStringLiteral("<b>[^<]*?(\\d+) 1/8</b>"));
    static const QRegularExpression ratio(QStringLiteral("ratio (\\d+)(?: |&nbsp;):(?: |&nbsp;)(\\d+)"));
    for (const Document& d : documents) {
        SCOPED_TRACE(d.name.toStdString());
        // Nothing of the markup or of the signs a synthesiser would misread is left.
        ASSERT_FALSE(d.spoken.trimmed().isEmpty());
        for (const QString& sign :
             {QStringLiteral("<"), QStringLiteral("&nbsp;"), QStringLiteral("\u00b2"),
              QStringLiteral("\u00b3"), QStringLiteral("\u00d7"), QStringLiteral("\u2212"),
              QStringLiteral("__"), QStringLiteral("body {")})
            EXPECT_FALSE(d.spoken.contains(sign))
                << sign.toStdString() << " in " << d.spoken.toStdString();

        if (const auto m = power.match(d.html); m.hasMatch()) {
            ++powers;
            const QString word = m.captured(2) == QLatin1String("2") ? QStringLiteral(" squared")
                                                                     : QStringLiteral(" cubed");
            EXPECT_TRUE(d.spoken.contains(m.captured(1) + word)) << d.spoken.toStdString();
        }
        if (d.html.contains(QStringLiteral("<ol class=\"options\">"))) {
            ++options;
            int n = 0;
            for (auto it = item.globalMatch(d.html); it.hasNext(); it.next()) ++n;
            for (int k = 1; k <= n; ++k)
                EXPECT_TRUE(d.spoken.contains(QStringLiteral("\n%1: ").arg(k)))
                    << d.spoken.toStdString();
        }
        if (const auto h = heading.match(d.html); h.hasMatch()) {
            ++tables;
            const auto r = row.match(d.html, h.capturedEnd());
            ASSERT_TRUE(r.hasMatch());
            // "4A: Friday 30, ..."; a "?" is the value asked for.
            const QString value = Plain(r.captured(2)) == QLatin1String("?")
                                      ? QStringLiteral("unknown")
                                      : SpokenMaths(Plain(r.captured(2)));
            EXPECT_TRUE(d.spoken.contains(QStringLiteral("\n%1: %2 %3")
                                              .arg(SpokenMaths(Plain(r.captured(1))),
                                                   SpokenMaths(Plain(h.captured(1))), value)))
                << d.spoken.toStdString();
        }
        for (auto it = alt.globalMatch(d.html); it.hasNext();) {
            ++pictures;
            EXPECT_TRUE(d.spoken.contains(QStringLiteral("Picture: ") +
                                          SpokenMaths(Plain(it.next().captured(1))).left(20)))
                << d.spoken.toStdString();
        }
        if (const auto m = mixedNumber.match(d.html); m.hasMatch()) {
            ++mixed;
            EXPECT_TRUE(d.spoken.contains(m.captured(1) + QStringLiteral(" and 1 eighth")))
                << d.spoken.toStdString();
        }
        if (const auto m = ratio.match(d.html); m.hasMatch()) {
            ++ratios;
            EXPECT_TRUE(d.spoken.contains(
                QStringLiteral("ratio %1 to %2").arg(m.captured(1), m.captured(2))))
                << d.spoken.toStdString();
        }
        if (d.html.contains(QStringLiteral("________&nbsp;cm&sup2;"))) {
            ++areas;
            EXPECT_TRUE(d.spoken.contains(QStringLiteral("blank square centimetres")))
                << d.spoken.toStdString();
        }
    }
    // The course has every kind of them; none went unchecked.
    for (int seen : {powers, options, tables, pictures, mixed, ratios, areas}) EXPECT_GT(seen, 0);
}

TEST(SpokenText, NumbersUnitsAndSignsAreReadAsATeacherWould) {
    const QList<QPair<QString, QString>> cases = {
        {QStringLiteral("Write 3/4 as a decimal."),
         QStringLiteral("Write 3 quarters as a decimal.")},
        {QStringLiteral("1/2 and 11/2"), QStringLiteral("1 half and 11 halves")},
        {QStringLiteral("9 + 4/10 + 2/1000"), QStringLiteral("9 plus 4 tenths plus 2 thousandths")},
        {QStringLiteral("2 1/3 of 5/23"), QStringLiteral("2 and 1 third of 5 over 23")},
        {QStringLiteral("They share it in the ratio 2 : 3 : 4."),
         QStringLiteral("They share it in the ratio 2 to 3 to 4.")},
        {QStringLiteral("The bus leaves at 8:00."), QStringLiteral("The bus leaves at 8:00.")},
        {QStringLiteral("90 km/h for 1 h"), QStringLiteral("90 kilometres per hour for 1 hour")},
        {QStringLiteral("1\u00a0000\u00a0000\u00a0cm\u00b3 = 1\u00a0m\u00b3"),
         QStringLiteral("1000000 cubic centimetres equals 1 cubic metre")},
        {QStringLiteral("12 \u00d7 5 \u2212 4 \u00f7 2"),
         QStringLiteral("12 times 5 minus 4 divided by 2")},
        {QStringLiteral("x\u00b2 + 7\u00b3"), QStringLiteral("x squared plus 7 cubed")},
        {QStringLiteral("an angle of 45\u00b0 at -3\u00b0C"),
         QStringLiteral("an angle of 45 degrees at minus 3 degrees Celsius")},
        {QStringLiteral("5 men and 3 mice"), QStringLiteral("5 men and 3 mice")},
    };
    for (const auto& [text, spoken] : cases)
        EXPECT_EQ(SpokenMaths(text), spoken) << text.toStdString();

    EXPECT_EQ(SpokenQuestionText(QStringLiteral(
                  "<html><head><title>Q</title><style>p { margin: 0 }</style></head><body>"
                  "<p>Work out&nbsp;<b>2<sup>5</sup></b>.</p><ol class=\"options\"><li>10</li>"
                  "<li>32</li></ol><p><img src=\"a.gif\" alt=\"a square of side 4&nbsp;cm\"></p>"
                  "<p class=\"note\">Write it as 2 1/3.</p><p class=\"answer\">Answer: ________</p>"
                  "</body></html>")),
              QStringLiteral("Work out 2 to the power 5.\n1: 10.\n2: 32.\n"
                             "Picture: a square of side 4 centimetres.\nWrite it as 2 1 slash 3.\n"
                             "Answer: blank."));
}
