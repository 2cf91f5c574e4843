// Record file readers on tables of the course's real size: a paper's four content tables read
// with the one-pass readers, the six marks records, and one answers record saved.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "records/record_file.h"

namespace {

// Tables shaped like the course's: 50 papers (45 of 30 questions, 5 of 12), 1410 questions,
// mostly one answer part, now and then two or three.
struct Tables {
    QTemporaryDir dir;
    QString paperTable, answerKey, kindTable, marksTable, marksFile, answersFile;

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

    Tables() {
        paperTable = dir.filePath("paper.txt");
        answerKey = dir.filePath("key.txt");
        kindTable = dir.filePath("kind.txt");
        marksTable = dir.filePath("marks.txt");
        marksFile = dir.filePath("marks2HM.txt");
        answersFile = dir.filePath("first2HM.txt");
        QByteArray papers = "...\r\n", keys = "...\r\n", kinds = "...\r\n", marks = "...\r\n";
        QByteArray answers;
        int question = 20011;
        for (int paper = 101; paper <= 150; ++paper) {
            papers += "#" + QByteArray::number(paper) + "#";
            const int questions = paper <= 145 ? 30 : 12;
            int paperParts = 0;
            for (int q = 0; q < questions; ++q, ++question) {
                const QByteArray id = QByteArray::number(question);
                papers += ">" + id;
                const int parts = question % 15 == 0 ? 2 : (question % 173 == 0 ? 3 : 1);
                paperParts += parts;
                keys += "#" + id + "#";
                kinds += "#" + id + "#";
                marks += "#" + id + "#";
                for (int p = 0; p < parts; ++p) {
                    keys += p == 1 ? ">1 1/3" : ">" + QByteArray::number(question % 977 * 7);
                    kinds += question % 4 == 0 ? ">Q" : ">N";
                    marks += question % 3 == 0 ? ">2" : ">1";
                }
                keys += "\r\n";
                kinds += "\r\n";
                marks += "\r\n";
            }
            papers += "\r\n";
            answers += "#" + QByteArray::number(paper) + "#" + QByteArray(paperParts, '>') + "\r\n";
        }
        Write(paperTable, papers + "...");
        Write(answerKey, keys + "...");
        Write(kindTable, kinds + "...");
        Write(marksTable, marks + "...");
        Write(answersFile, answers);
        QByteArray marksRecords;
        for (const char* key : {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}) {
            marksRecords += QByteArray("#") + key + "#";
            for (int i = 0; i < 50; ++i) marksRecords += i % 2 ? ">88.8" : ">";
            marksRecords += "\r\n";
        }
        Write(marksFile, marksRecords);
    }
};

Tables& SharedTables() {
    static Tables tables;
    return tables;
}

// The last 30-question paper: its records lie at the end of every table.
void BM_ReadPaperTables(benchmark::State& state) {
    Tables& t = SharedTables();
    const QString paper = QString::number(state.range(0));
    for (auto _ : state) {
        const QStringList ids = ReadAllRecordFields(t.paperTable, paper);
        const QList<int> counts = CountFieldsOfKeys(t.answerKey, ids);
        const QStringList keys = ReadFieldsOfKeys(t.answerKey, ids);
        const QStringList kinds = ReadFieldsOfKeys(t.kindTable, ids);
        const QStringList marks = ReadFieldsOfKeys(t.marksTable, ids);
        benchmark::DoNotOptimize(counts.size() + keys.size() + kinds.size() + marks.size());
    }
    state.counters["answer_key_bytes"] = static_cast<double>(QFile(t.answerKey).size());
}
BENCHMARK(BM_ReadPaperTables)->Arg(101)->Arg(145)->Unit(benchmark::kMicrosecond);

void BM_ReadMarksRecords(benchmark::State& state) {
    Tables& t = SharedTables();
    for (auto _ : state) {
        qsizetype total = 0;
        for (const char* key : {"FSE", "SSE", "LTM", "CDD", "FST", "SST"})
            total += ReadRecordFields(t.marksFile, QString::fromLatin1(key), 50).size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadMarksRecords)->Unit(benchmark::kMicrosecond);

// Moving to another question saves the whole answers file (temporary file, flush to disk, rename).
void BM_SaveAnswersRecord(benchmark::State& state) {
    Tables& t = SharedTables();
    QStringList lines = ReadPaperRecordLines(t.answersFile, 50);
    const QStringList fields(30, QStringLiteral("1 1/3"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReplaceRecordAndSave(lines, fields, 45, "145", 50, t.answersFile));
    }
}
BENCHMARK(BM_SaveAnswersRecord)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
