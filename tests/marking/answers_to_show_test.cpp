#include "marking/answers_to_show.h"

#include <gtest/gtest.h>

#include "letters.h"

TEST(AnswersToShow, GroupShowsAlternativesStillFree) {
    const QStringList keys{";a;b;c", " ", " "};
    const QStringList answers{"b", "", "a"};
    EXPECT_EQ(GroupAnswerToShow(answers, keys, 0), "c");
    EXPECT_EQ(GroupAnswerToShow(answers, keys, 1), "c");
    EXPECT_EQ(GroupAnswerToShow(answers, keys, 2), "");
    // Nothing answered: each part is offered its own alternative in list order.
    EXPECT_EQ(GroupAnswerToShow({"", "", ""}, keys, 0), "a");
    EXPECT_EQ(GroupAnswerToShow({"", "", ""}, keys, 1), "b");
    EXPECT_EQ(GroupAnswerToShow({"", "", ""}, keys, 2), "c");
    // A head left empty while its group used an alternative shows nothing.
    EXPECT_EQ(GroupAnswerToShow({"", "a", "x"}, keys, 0), "");
    EXPECT_EQ(GroupAnswerToShow({"", "c", "x"}, keys, 0), "");
    // Comparison ignores case and outer spaces; the shown text is the key's own.
    EXPECT_EQ(GroupAnswerToShow({" A ", "zz", ""}, {";a;Bee;c", " ", " "}, 1), "Bee");
    // The group ends at the first part that is not a follower.
    EXPECT_EQ(GroupAnswerToShow({"q", "", "b"}, {";a;b", " ", ";b"}, 0), "a");
}

TEST(AnswersToShow, MultiAndOtherKinds) {
    EXPECT_EQ(MultiAnswerToShow(";12;x"), "12");
    EXPECT_EQ(MultiAnswerToShow(";12"), "12");
    EXPECT_EQ(MultiAnswerToShow(";;x"), "");
    EXPECT_EQ(MultiAnswerToShow(""), "");
    // A key that does not open with ';' loses nothing, and shows what the list rule accepts.
    EXPECT_EQ(MultiAnswerToShow("12"), "12");
    EXPECT_EQ(MultiAnswerToShow("12;x"), "x");
    const QStringList keys{"2.77", ";12;x", ";a;b", " "};
    const QStringList kinds{"N", "M", "G", "G"};
    const QStringList answers{"", "", "b", ""};
    auto show = [&](int i) {
        return AnswerToShow(answers, keys, Kind(kinds.value(i, QStringLiteral("N"))), i);
    };
    EXPECT_EQ(show(0), "2.77");
    EXPECT_EQ(show(1), "12");
    EXPECT_EQ(show(2), "a");
    EXPECT_EQ(show(3), "a");
    EXPECT_EQ(show(4), "");
    EXPECT_EQ(show(-1), "");
    // Followers with no head in reach, or a head that is no list, show nothing.
    EXPECT_EQ(GroupAnswerToShow({""}, {" "}, 0), "");
    EXPECT_EQ(GroupAnswerToShow({"", ""}, {"plain", " "}, 1), "");
}
