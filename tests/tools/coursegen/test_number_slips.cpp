// The learners' slips the Whole Numbers and Decimals distractors are named after, worked the way
// a learner works them on paper, and the number words the course prints.

#include "column_slips.h"
#include "question.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberSlips, ColumnSlipsGiveTheLearnersAnswers) {
    // 478 + 356: 8 + 6 = 14 writes 4, 7 + 5 = 12 writes 2, 4 + 3 = 7 - carries dropped
    EXPECT_EQ(slips::addNoCarry(478, 356), 724);
    EXPECT_EQ(slips::carryPlaces(478, 356), (std::vector<long long>{10, 100}));
    // 503 - 268: the smaller digit from the larger in each column
    EXPECT_EQ(slips::subSmallerFromLarger(503, 268), 365);
    // 503 - 268 borrowing ten each time but never taking it from the next column
    EXPECT_EQ(slips::subNoPayBack(503, 268), 345);
    // a borrow across a zero: 500 - 1 is written 509 by that slip, not 599 or 609
    EXPECT_EQ(slips::subNoPayBack(500, 1), 509);
    EXPECT_TRUE(slips::borrows(503, 268));
    EXPECT_FALSE(slips::borrows(987, 123));

    // Without a carry or a borrow a slip gives the true answer; with a borrow the slip shows.
    for (long long a = 0; a < 1000; a += 37)
        for (long long b = 0; b < 1000; b += 41) {
            if (slips::carryPlaces(a, b).empty()) {
                EXPECT_EQ(slips::addNoCarry(a, b), a + b);
            }
            if (a >= b && !slips::borrows(a, b)) {
                EXPECT_EQ(slips::subSmallerFromLarger(a, b), a - b);
            }
            if (a >= b && slips::borrows(a, b)) {
                EXPECT_NE(slips::subNoPayBack(a, b), a - b);
            }
        }
}

TEST(NumberSlips, NumbersInWordsAsABritishTextbookPrintsThem) {
    EXPECT_EQ(numberWords(40506), "forty thousand five hundred and six");
    EXPECT_EQ(numberWords(785086), "seven hundred and eighty-five thousand and eighty-six");
    EXPECT_EQ(numberWords(100000), "one hundred thousand");
    EXPECT_EQ(numberWords(1010), "one thousand and ten");
    EXPECT_EQ(numberWords(19), "nineteen");
    EXPECT_EQ(numberWords(90300), "ninety thousand three hundred");
}

}  // namespace
