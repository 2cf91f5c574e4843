// The generator's writing helpers: numbers, money, units and articles as a textbook prints them,
// and the tidy pass every question goes through.

#include "marking/answer_check.h"
#include "question.h"

#include <gtest/gtest.h>

namespace {

TEST(Writing, NumbersAndMoney) {
    EXPECT_EQ(num(Frac(3456)), "3456") << "four digits stay together";
    EXPECT_EQ(num(Frac(24118)), "24&nbsp;118");
    EXPECT_EQ(num(Frac(240118)), "240&nbsp;118");
    EXPECT_EQ(num(Frac(1234567)), "1&nbsp;234&nbsp;567");
    EXPECT_EQ(num(Frac(-24118)), "-24&nbsp;118");
    EXPECT_EQ(num(Frac(123456789, 1000)), "123&nbsp;456.789") << "decimal places never grouped";
    EXPECT_EQ(num(Frac(1, 100000)), "0.00001");

    EXPECT_EQ(money(Frac(676, 10)), "$67.60");
    EXPECT_EQ(money(Frac(45, 100)), "$0.45");
    EXPECT_EQ(money(Frac(405)), "$405");
    EXPECT_EQ(money(Frac(12500)), "$12&nbsp;500");
    EXPECT_EQ(moneyCents(Frac(405)), "$405.00");
    EXPECT_EQ(moneyCents(Frac(1250001, 100)), "$12&nbsp;500.01");

    EXPECT_EQ(qty(Frac(18), "kg"), "18&nbsp;kg");
    EXPECT_EQ(qty(Frac(45), "%"), "45%");
    EXPECT_EQ(qty(Frac(60), "&deg;"), "60&deg;");
    EXPECT_EQ(qty(Frac(5, 2), "dollars"), "$2.50");
}

// A learner who copies a number as the course shows it, grouping and all, is marked right: the
// keys stay plain digits, and kind N reads the grouping the pages show.
TEST(Writing, NumbersAsShownAreMarkedRightWhenTyped) {
    for (const Frac& v : {Frac(24118), Frac(1234567), Frac(12345675, 100), Frac(3456)}) {
        std::string shown = num(v);
        for (auto at = shown.find("&nbsp;"); at != std::string::npos; at = shown.find("&nbsp;"))
            shown.replace(at, 6, " ");
        const QString key = QString::fromStdString(v.dec());
        EXPECT_EQ(CheckAnswer(QString::fromStdString(shown), key, AnswerKind::Number),
                  Verdict::Right)
            << shown;
        EXPECT_EQ(CheckAnswer(key, key, AnswerKind::Number), Verdict::Right) << "plain digits";
    }
    std::string price = moneyCents(Frac(1250050, 100)).substr(1);  // what follows the $
    price.replace(price.find("&nbsp;"), 6, " ");
    EXPECT_EQ(CheckAnswer(QString::fromStdString(price), QStringLiteral("12500.5"), AnswerKind::Number),
              Verdict::Right);
}

TEST(Writing, ArticlesFollowTheSound) {
    for (const char* an : {"8", "18 kg weight", "11", "80", "800", "8&nbsp;000", "11&nbsp;500",
                           "18,000", "8.5", "<b>8</b>", "hour", "apple", "L-shape", "octagon",
                           "umbrella", "X", "honest answer", "acute angle"})
        EXPECT_EQ(article(an), "an") << an;
    for (const char* a : {"1", "7", "100", "110", "1800", "110&nbsp;000", "unit", "uniform", "one",
                          "European", "cuboid", "B", "U-turn", "0.5", "hexagon"})
        EXPECT_EQ(article(a), "a") << a;
    EXPECT_EQ(withArticle(qty(Frac(18), "kg") + " weight"), "an 18&nbsp;kg weight");
}

TEST(Writing, TidyGroupsJoinsAndMendsOnlyText) {
    // Long numbers grouped in text, but not in tags, entities, decimal places or short numbers.
    EXPECT_EQ(tidyHtml("<p>The number <b>240118</b> is big.</p>"),
              "<p>The number <b>240&nbsp;118</b> is big.</p>");
    EXPECT_EQ(tidyHtml("<img src=\"fig1.gif\" width=\"30000\">"),
              "<img src=\"fig1.gif\" width=\"30000\">");
    EXPECT_EQ(tidyHtml("&#12345; 0.123456 and 3456"), "&#12345; 0.123456 and 3456");
    EXPECT_EQ(tidyHtml("24&nbsp;118"), "24&nbsp;118") << "already grouped";

    // A unit after a number never starts a line.
    EXPECT_EQ(tidyHtml("a 12 cm by 4.5 m box, 3/4 kg, 2 1/2 hours, 3:05 pm, 5 cm&sup2;"),
              "a 12&nbsp;cm by 4.5&nbsp;m box, 3/4&nbsp;kg, 2 1/2&nbsp;hours, 3:05&nbsp;pm, "
              "5&nbsp;cm&sup2;");
    EXPECT_EQ(tidyHtml("5 sweets, 3 then 4 more, 6 apples"), "5 sweets, 3 then 4 more, 6 apples")
        << "words that only begin like a unit";

    // Articles before numbers; labels and variables left alone.
    EXPECT_EQ(tidyHtml("<p>A 8 kg bag and an 7 m rope, a <b>11</b>, a 5.</p>"),
              "<p>An 8&nbsp;kg bag and a 7&nbsp;m rope, an <b>11</b>, a&nbsp;5.</p>");
    // No line may start with a paragraph's last number or with an ellipsis.
    EXPECT_EQ(tidyHtml("<p>Round <b>7776</b> to the nearest 100.</p><p>It goes <b>9, 13, 17, ...</b></p>"),
              "<p>Round <b>7776</b> to the nearest&nbsp;100.</p><p>It goes <b>9, 13, 17,&nbsp;...</b></p>");
    EXPECT_EQ(tidyHtml("(a) 8 cm; side a and b; Anna 8"), "(a) 8&nbsp;cm; side a and b; Anna 8");
}

TEST(Writing, AnswerLinesAndOptionsKeepUnitsWithTheirNumbers) {
    Rng r(7);
    QB q("sample", 1);
    q.p("How long is 120000 mm?");
    q.number(r, 'N', Frac(120), "m", std::vector<Frac>{});
    q.subparts({{"Cost?", "dollars"}, {"Mass?", "kg"}});
    const Question done = q.done();
    EXPECT_NE(done.html.find("120&nbsp;000&nbsp;mm"), std::string::npos) << done.html;
    EXPECT_NE(done.html.find("Answer: ________&nbsp;m</p>"), std::string::npos) << done.html;
    EXPECT_NE(done.html.find("Answer (a): $________"), std::string::npos) << done.html;
    EXPECT_NE(done.html.find("Answer (b): ________&nbsp;kg"), std::string::npos) << done.html;
    EXPECT_EQ(done.parts.at(0).key, "120") << "keys are never grouped";

    // Money options: all with cents once one has cents.
    QB m("sample", 1);
    m.number(r, 'Q', Frac(135, 2), "dollars", {Frac(60), Frac(75), Frac(70)});
    const Question choice = m.done();
    for (const char* option : {"<li>$67.50</li>", "<li>$60.00</li>", "<li>$75.00</li>"})
        EXPECT_NE(choice.html.find(option), std::string::npos) << choice.html;

    // Figure labels from num() or qty() read with a plain space.
    Figure f;
    f.text(10, 10, 'l', qty(Frac(24118), "m"));
    EXPECT_EQ(f.ops.at(0), "text 10 10 l \"24 118 m\"");
}

}  // namespace
