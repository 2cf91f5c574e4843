// Generated answers and keys with a fixed seed: nothing crashes, verdicts stay in range, and the
// invariances the rules promise hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "marking/answer_check.h"
#include "marking/answers_to_show.h"
#include "marking/scoring.h"

#include "letters.h"

namespace {

std::mt19937 MakeRandom() {
    return std::mt19937(20261207u);
}

int Pick(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

QString RandomText(std::mt19937& random, int maxLength) {
    static const QString kAlphabet = QString::fromLatin1(" ;;  0123456789.,:/-+eEaBcXyZ\xE9\xC9>#");
    QString text;
    const int length = Pick(random, 0, maxLength);
    for (int i = 0; i < length; ++i) text += kAlphabet.at(Pick(random, 0, kAlphabet.size() - 1));
    return text;
}

QString RandomCase(std::mt19937& random, const QString& text) {
    QString out;
    for (QChar c : text) out += Pick(random, 0, 1) ? c.toUpper() : c.toLower();
    return out;
}

QString Check(const QString& answer, const QString& key, AnswerKind kind) {
    return VerdictLetter(CheckAnswer(answer, key, kind));
}

QString Check(const QString& answer, const QString& key, const char* kind) {
    return Check(answer, key, Kind(QString::fromLatin1(kind)));
}

QString Spaces(std::mt19937& random) {
    return QString(Pick(random, 0, 3), QLatin1Char(' '));
}


}  // namespace

TEST(MarkingRandom, CheckersNeverFailAndTextRulesIgnoreCaseAndOuterSpaces) {
    std::mt19937 random = MakeRandom();
    for (int round = 0; round < 5000; ++round) {
        const QString answer = RandomText(random, 12);
        const QString key = RandomText(random, 12);
        for (const AnswerKindRule& rule : AnswerKindRules()) (void)Check(answer, key, rule.kind);
        for (AnswerKind kind : {AnswerKind::Text, AnswerKind::Choice, AnswerKind::LongText}) {
            const QString verdict = Check(answer, key, kind);
            ASSERT_EQ(verdict, Check(key, answer, kind));
            ASSERT_EQ(verdict,
                      Check(Spaces(random) + RandomCase(random, answer) + Spaces(random), key,
                                  kind))
                << answer.toStdString() << " / " << key.toStdString();
        }
        ASSERT_EQ(Check(answer, key, "N"), Check(key, answer, "N"));
        ASSERT_EQ(Check(answer, key, "N"),
                  Check(Spaces(random) + answer + Spaces(random), key, "N"));
    }
}

TEST(MarkingRandom, NumbersMatchInEveryAcceptedSpelling) {
    std::mt19937 random = MakeRandom();
    for (int round = 0; round < 3000; ++round) {
        const qint64 whole = std::uniform_int_distribution<qint64>(0, 99'999'999)(random);
        const int hundredths = Pick(random, 0, 99);
        const QString key = QString::number(whole) + "." + QString::number(hundredths);
        QString grouped = QString::number(whole);
        const QChar separator = Pick(random, 0, 1) ? QLatin1Char(',') : QLatin1Char(' ');
        for (qsizetype at = grouped.size() - 3; at > 0; at -= 3) grouped.insert(at, separator);
        const QString fraction = QString::number(hundredths) + QString(Pick(random, 0, 2), '0');
        const QString answer = grouped + "." + fraction;
        ASSERT_EQ(Check(answer, key, "N"), "Y") << answer.toStdString();
        ASSERT_EQ(Check(" " + answer + " ", key, "N"), "Y");
        ASSERT_EQ(Check(answer + "cm", key, "N"), "N");
        ASSERT_EQ(Check(answer + "1", key, "N"), "N");
    }
}

TEST(MarkingRandom, CompactRuleAcceptsTheKeyItselfAndRespacedOperators) {
    std::mt19937 random = MakeRandom();
    for (int round = 0; round < 3000; ++round) {
        const QString whole = QString::number(Pick(random, 1, 99));
        const QString top = QString::number(Pick(random, 1, 99));
        const QString bottom = QString::number(Pick(random, 2, 999));
        const QString mixed = whole + " " + top + "/" + bottom;
        ASSERT_EQ(Check(mixed, mixed, "X"), "Y");
        const QString spaced = whole + " " + top + Spaces(random) + "/" + Spaces(random) + bottom;
        ASSERT_EQ(Check(Spaces(random) + spaced, mixed, "X"), "Y") << spaced.toStdString();
        ASSERT_EQ(Check(whole + top + "/" + bottom, mixed, "X"), "N");
        const QString ratio = top + ":" + bottom;
        ASSERT_EQ(Check(top + Spaces(random) + ":" + Spaces(random) + bottom, ratio, "R"),
                  "Y");
    }
}

TEST(MarkingRandom, PapersMarkConsistentlyAndGroupScoresIgnoreAnswerOrder) {
    std::mt19937 random = MakeRandom();
    const QStringList alternatives{"red", "blue", "green", "pink"};
    for (int round = 0; round < 2000; ++round) {
        QStringList keys, kinds, marks, answers;
        const int parts = Pick(random, 1, 50);
        int followers = 0;
        for (int i = 0; i < parts; ++i) {
            // Groups stay within the twenty followers a head reaches.
            const bool follower =
                i > 0 && kinds.last() == "G" && followers < 20 && Pick(random, 0, 2) > 0;
            followers = follower ? followers + 1 : 0;
            if (follower) {
                keys.append(" ");
                kinds.append("G");
            } else if (Pick(random, 0, 3) == 0) {
                keys.append(";red;blue;green;pink");
                kinds.append("G");
            } else {
                // A key of one space would join the group before it.
                const QString key = RandomText(random, 6);
                keys.append(key == " " ? QStringLiteral("x") : key);
                kinds.append(
                    QStringList{"N", "T", "Q", "L", "R", "F", "X", "M"}.at(Pick(random, 0, 7)));
            }
            marks.append(QString::number(Pick(random, 0, 3)));
            answers.append(Pick(random, 0, 1) ? alternatives.at(Pick(random, 0, 3))
                                              : RandomText(random, 6));
        }
        const PaperMarking marking = MarkParts(Parts(answers, keys, kinds, marks));
        const int total = TotalMarks(Parts(answers, keys, kinds, marks));
        ASSERT_EQ(marking.verdicts.size(), parts);
        ASSERT_GE(marking.score, 0);
        ASSERT_LE(marking.score, total);
        for (int i = 0; i < parts; ++i) {
            (void)AnswerToShow(answers, keys, Kind(kinds.at(i)), i);
            (void)GroupAnswerToShow(answers, keys, i);
        }

        // Shuffling the answers within each group changes which part earns, not how many.
        QStringList shuffled = answers;
        for (int head = 0; head < parts;) {
            int end = head + 1;
            if (kinds.at(head) == "G")
                while (end < parts && keys.at(end) == " ") ++end;
            std::shuffle(shuffled.begin() + head, shuffled.begin() + end, random);
            head = end;
        }
        // Only the groups' verdicts are counted.
        auto groupRights = [&](const QStringList& given) {
            const QList<Verdict> verdicts = MarkParts(Parts(given, keys, kinds, marks)).verdicts;
            int rights = 0;
            for (int i = 0; i < parts; ++i)
                if (kinds.at(i) == "G" && verdicts.at(i) == Verdict::Right) ++rights;
            return rights;
        };
        ASSERT_EQ(groupRights(answers), groupRights(shuffled))
            << keys.join('|').toStdString() << "\n"
            << answers.join('|').toStdString() << "\n"
            << shuffled.join('|').toStdString();

        // The percentage is the nearest tenth, exact halves on the even tenth.
        std::int64_t tenths = 0;
        const QString percent = PercentageText(marking.score, total);
        ASSERT_TRUE(ParseScoreTenths(percent, &tenths));
        if (total > 0) {
            const std::int64_t error = std::abs(marking.score * 1000LL - tenths * total);
            ASSERT_LE(2 * error, total) << percent.toStdString();
            if (2 * error == total) {
                ASSERT_EQ(tenths % 2, 0);
            }
        }
    }
}
