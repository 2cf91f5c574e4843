#include "marking/answer_check.h"

#include <gtest/gtest.h>

#include "letters.h"

namespace {

QString Check(const char* answer, const char* key, const char* kind) {
    return VerdictLetter(CheckAnswer(QString::fromLatin1(answer), QString::fromLatin1(key),
                                     Kind(QString::fromLatin1(kind))));
}

QString CheckList(const QStringList& answers, const QStringList& keys, int index) {
    return VerdictLetter(CheckListAnswer(answers, keys, index));
}

}  // namespace

TEST(CheckAnswer, NumbersCompareByValueAndRejectTrailingText) {
    EXPECT_EQ(Check("2.770", "2.77", "N"), "Y");
    EXPECT_EQ(Check(" 2.77 ", "2.77", "N"), "Y");
    EXPECT_EQ(Check("2.77cm", "2.77", "N"), "N");
    EXPECT_EQ(Check(".5", "0.5", "N"), "Y");
    EXPECT_EQ(Check("5.", "5", "N"), "Y");
    EXPECT_EQ(Check("36000", "36000 ", "N"), "Y");
    EXPECT_EQ(Check("+12", "12", "N"), "Y");
    EXPECT_EQ(Check("-0.25", "-.25", "N"), "Y");
    EXPECT_EQ(Check("2.5e3", "2500", "N"), "Y");
    EXPECT_EQ(Check("25E-1", "2.5", "N"), "Y");
    EXPECT_EQ(Check("2.78", "2.77", "N"), "N");
    EXPECT_EQ(Check("-12", "12", "N"), "N");
    for (const char* junk : {"", " ", ".", "-", "+.", "1e", "1e+", "0x10", "1/2", "$5", "(5)", "5%",
                             "inf", "nan", "1.2.3", "--1", "1 e5", "e5"})
        EXPECT_EQ(Check(junk, "0", "N"), "N") << junk;
    // A key that is not a number can never be matched.
    EXPECT_EQ(Check("abc", "abc", "N"), "N");
}

// Grouped thousands are accepted when the grouping is regular, with one separator throughout;
// anything else is more likely a decimal comma or a slip and is refused.
TEST(CheckAnswer, NumbersAcceptRegularThousandsGroups) {
    EXPECT_EQ(Check("3,456", "3456", "N"), "Y");
    EXPECT_EQ(Check("3 456", "3456", "N"), "Y");
    EXPECT_EQ(Check("12,345,678.5", "12345678.5", "N"), "Y");
    EXPECT_EQ(Check("-1,000", "-1000", "N"), "Y");
    EXPECT_EQ(Check("3456", "3,456", "N"), "Y");
    EXPECT_EQ(Check("34,56", "3456", "N"), "N");
    EXPECT_EQ(Check("3,4567", "34567", "N"), "N");
    EXPECT_EQ(Check("3456,789", "3456789", "N"), "N");
    EXPECT_EQ(Check("3,456 789", "3456789", "N"), "N");
    EXPECT_EQ(Check("3,,456", "3456", "N"), "N");
    EXPECT_EQ(Check("3  456", "3456", "N"), "N");
    EXPECT_EQ(Check("3,456,", "3456", "N"), "N");
    EXPECT_EQ(Check(",456", "456", "N"), "N");
    EXPECT_EQ(Check("1.234,5", "1234.5", "N"), "N");
}

TEST(CheckAnswer, TextIgnoresOuterSpacesAndCaseOnly) {
    EXPECT_EQ(Check("derrick ", "Derrick", "T"), "Y");
    EXPECT_EQ(Check("9.1", "9.10", "T"), "N");
    EXPECT_EQ(Check("5.28 pm", "5.28pm", "T"), "N");
    EXPECT_EQ(Check(" 1", "1", "Q"), "Y");
    EXPECT_EQ(Check("2", "1", "Q"), "N");
    EXPECT_EQ(Check("  The Long ANSWER  ", "the long answer", "L"), "Y");
    EXPECT_EQ(Check("", "", "T"), "Y");
    // Only spaces are trimmed.
    EXPECT_EQ(Check("cat\t", "cat", "T"), "N");
    EXPECT_EQ(Check("\xC9T\xC9", "\xE9t\xE9", "T"), "Y");
}

TEST(CheckAnswer, CompactKeepsOnlyTheSpaceWhereTheKeyHasIt) {
    EXPECT_EQ(Check("5 2/3", "5 2/3", "X"), "Y");
    EXPECT_EQ(Check("5  2/3", "5 2/3", "X"), "Y");
    EXPECT_EQ(Check("52/3", "5 2/3", "X"), "N");
    EXPECT_EQ(Check("5 2 / 3", "5 2/3", "X"), "Y");
    EXPECT_EQ(Check("  5 2/3  ", "5 2/3", "X"), "Y");
    EXPECT_EQ(Check("13 : 30", "13:30", "R"), "Y");
    EXPECT_EQ(Check("7 : 23", "7:23", "R"), "Y");
    EXPECT_EQ(Check("5:3:2", "5:3:2", "R"), "Y");
    EXPECT_EQ(Check("109 / 200", "109/200", "F"), "Y");
    EXPECT_EQ(Check("109/201", "109/200", "F"), "N");
    // Case counts here.
    EXPECT_EQ(Check("a:b", "A:B", "R"), "N");
}

TEST(AnswerKind, EveryKindHasOneLetterAndUnknownLettersAreNoKind) {
    QString letters;
    for (const AnswerKindRule& rule : AnswerKindRules()) {
        EXPECT_EQ(AnswerKindOfLetter(QString(QLatin1Char(rule.letter))), rule.kind);
        EXPECT_EQ(&RuleOf(rule.kind), &rule);
        letters += QLatin1Char(rule.letter);
    }
    EXPECT_EQ(letters, "NTQLRFXGM");
    for (const char* letter : {"Z", "", "n", "NN", " N"})
        EXPECT_FALSE(AnswerKindOfLetter(QString::fromLatin1(letter)).has_value()) << letter;
    // A list kind checked on its own is a paper of that one part.
    EXPECT_EQ(Check("red", ";red", "G"), "Y");
    EXPECT_EQ(Check("12", "12", "M"), "");
}

TEST(CheckListAnswer, GroupsNeverCreditTheSameAlternativeTwice) {
    const QStringList keys{";red;blue", " "};
    EXPECT_EQ(CheckList({"Red", "red"}, keys, 0), "Y");
    EXPECT_EQ(CheckList({"Red", "red"}, keys, 1), "N");
    EXPECT_EQ(CheckList({"red", "blue"}, keys, 0), "Y");
    EXPECT_EQ(CheckList({"red", "blue"}, keys, 1), "Y");
    EXPECT_EQ(CheckList({"red", ""}, keys, 1), "N");
    EXPECT_EQ(CheckList({"", ""}, keys, 0), "N");
    EXPECT_EQ(CheckList({" BLUE ", "green"}, keys, 0), "Y");
    EXPECT_EQ(CheckList({" BLUE ", "green"}, keys, 1), "N");
    // Order within a group matters only through what earlier parts used.
    EXPECT_EQ(CheckList({"blue", "red"}, keys, 1), "Y");
    // A group may start later in the paper; earlier parts outside it are not consulted.
    const QStringList later{";red", ";a;b", " ", " "};
    EXPECT_EQ(CheckList({"red", "a", "b", "a"}, later, 2), "Y");
    EXPECT_EQ(CheckList({"red", "a", "b", "a"}, later, 3), "N");
    EXPECT_EQ(CheckList({"red", "a", "b", "red"}, later, 3), "N");
}

TEST(CheckListAnswer, KeysWithoutListsAndMissingHeadsGiveNoVerdict) {
    EXPECT_EQ(CheckList({"12"}, {"12"}, 0), "");
    EXPECT_EQ(CheckList({"x"}, {" "}, 0), "");
    EXPECT_EQ(CheckList({"x", "y"}, {"plain", " "}, 1), "");
    EXPECT_EQ(CheckList({"x"}, {";x"}, 5), "");
    EXPECT_EQ(CheckList({"x"}, {";x"}, -1), "");
    // Fewer answers than keys: the missing ones are empty.
    EXPECT_EQ(CheckList({}, {";x", " "}, 1), "N");
    // Kind M: a single part with alternatives.
    EXPECT_EQ(CheckList({"X"}, {";12;x"}, 0), "Y");
    EXPECT_EQ(CheckList({"12"}, {";12;x"}, 0), "Y");
    EXPECT_EQ(CheckList({"1"}, {";12;x"}, 0), "N");
}

TEST(CheckListAnswer, LooksBackTwentyPartsThenTakesTheOneBefore) {
    // Head at 0, twenty followers: part 20 finds its head 20 back, part 21 uses part 0 by the
    // a-21 rule; the alternatives used by all earlier parts are blanked.
    QStringList keys{";a;b;c"};
    QStringList answers{"a"};
    for (int i = 1; i <= 21; ++i) {
        keys.append(" ");
        answers.append("");
    }
    answers[20] = "b";
    answers[21] = "c";
    EXPECT_EQ(CheckList(answers, keys, 20), "Y");
    EXPECT_EQ(CheckList(answers, keys, 21), "Y");
    answers[21] = "b";
    EXPECT_EQ(CheckList(answers, keys, 21), "N");
    // With 21 followers before it, the a-21 part is itself a follower: no list, no verdict.
    keys.append(" ");
    answers.append("c");
    EXPECT_EQ(CheckList(answers, keys, 22), "");
}
