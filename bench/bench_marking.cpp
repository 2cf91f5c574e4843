// Marking one 50-part paper: every checking rule, the score and the percentage text.
#include <benchmark/benchmark.h>

#include "marking/answers_to_show.h"
#include "marking/scoring.h"

namespace {

struct Paper {
    QStringList answers, keys;
    QList<AnswerPart> parts;
};

Paper FiftyPartPaper() {
    Paper paper;
    const QStringList kinds{"N", "T", "Q", "R", "F", "X", "N", "T", "G", " "};
    for (int i = 0; i < 50; ++i) {
        const QString kind = kinds.at(i % kinds.size());
        if (kind == "N") {
            paper.keys << "2.77";
            paper.answers << (i % 3 ? " 2.770 " : "3,456");
        } else if (kind == "T") {
            paper.keys << "Derrick";
            paper.answers << "derrick ";
        } else if (kind == "Q") {
            paper.keys << "3";
            paper.answers << "3";
        } else if (kind == "R") {
            paper.keys << "5:3:2";
            paper.answers << "5 : 3 : 2";
        } else if (kind == "F") {
            paper.keys << "109/200";
            paper.answers << "109/ 200";
        } else if (kind == "X") {
            paper.keys << "5 2/3";
            paper.answers << "5  2/3";
        } else if (kind == "G") {
            paper.keys << ";red;blue;green";
            paper.answers << "Blue";
        } else {
            paper.keys << " ";
            paper.answers << "red";
        }
        AnswerPart part;
        part.key = paper.keys.last();
        part.answer = paper.answers.last();
        part.kind = *AnswerKindOfLetter(kind == " " ? QStringLiteral("G") : kind);
        part.marks = 1 + i % 3;
        paper.parts << part;
    }
    return paper;
}

void BM_MarkFiftyPartPaper(benchmark::State& state) {
    const Paper paper = FiftyPartPaper();
    for (auto _ : state) {
        const PaperMarking marking = MarkParts(paper.parts);
        const QString percent = PercentageText(marking.score, TotalMarks(paper.parts));
        benchmark::DoNotOptimize(percent);
    }
}
BENCHMARK(BM_MarkFiftyPartPaper);

void BM_AnswersToShowFiftyParts(benchmark::State& state) {
    const Paper paper = FiftyPartPaper();
    for (auto _ : state) {
        for (int i = 0; i < paper.keys.size(); ++i)
            benchmark::DoNotOptimize(
                AnswerToShow(paper.answers, paper.keys, paper.parts.at(i).kind, i));
    }
}
BENCHMARK(BM_AnswersToShowFiftyParts);

}  // namespace

BENCHMARK_MAIN();
