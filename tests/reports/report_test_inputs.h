#pragma once
// A module with results of several kinds, shared by the widget and printing tests.

#include "reports/report_inputs.h"
#include "results/trend_file.h"

#include <QFile>
#include <QString>

inline ReportInputs SampleModule(const QString& trendFilePath, int topics = 10) {
    static const char* const names[] = {
        "Whole Numbers",   "Fractions",     "Decimals",
        "Percentage",      "Ratio",         "Measurement",
        "Geometry",        "Data Analysis", "Rate and Speed, Algebra",
        "Mock Examination"};
    ReportInputs in;
    in.title = QStringLiteral("Home Maths Quiz");
    in.numberOfTopics = topics;
    in.paperCount = 50;
    for (int t = 0; t < topics; ++t) in.topicNames << QString::fromLatin1(names[t]);
    for (int i = 0; i < 50; ++i) {
        in.fse << QString();
        in.sse << QString();
        in.ltm << QString();
        in.cdd << QString();
    }
    auto mark = [&](int t, int p, const char* first, const char* time, const char* date,
                    const char* second = "") {
        const int i = 5 * (t - 1) + p - 1;
        in.fse[i] = QString::fromLatin1(first);
        in.ltm[i] = QString::fromLatin1(time);
        in.cdd[i] = QString::fromLatin1(date);
        in.sse[i] = QString::fromLatin1(second);
    };
    mark(1, 1, "60", "0:21:7", "02/12/2005", "90");
    mark(1, 2, "70", "0:18:40", "03/12/2005");
    mark(1, 3, "70", "0:15:2", "05/12/2005");
    mark(2, 1, "45.5", "0:25:13", "06/12/2005", "72.7");
    mark(2, 3, "88.8", "0:12:5", "30/12/2005", "100");
    mark(3, 1, "92", "0:9:51", "08/12/2005");
    mark(4, 2, "33.3", "0:30:0", "09/12/2005", "66.7");
    mark(5, 1, "100", "0:11:45", "10/12/2005");
    mark(6, 4, "58", "0:19:22", "11/12/2005", "81");
    in.trendScores = ReadTrendFile(trendFilePath).scores;
    return in;
}

// Writes a trend file of the given record line.
inline bool WriteTrend(const QString& path, const QByteArray& line) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(line + "\r\n") == line.size() + 2;
}

// 25 entries: 6..25 are the ones shown.
inline QByteArray TwentyFiveEntries() {
    static const int scores[] = {40, 55, 62, 48, 70, 58,  65, 72, 45, 80, 77, 90, 68,
                                 85, 88, 60, 93, 75, 100, 82, 70, 95, 87, 0,  91};
    QByteArray line = "#TRD#";
    for (int s : scores) line += ">" + QByteArray::number(s);
    return line;
}
