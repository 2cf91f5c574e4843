#pragma once
// What the reports and the printed table are computed from: the active module's catalogue values
// and marks lists as the main window holds them, and its trend record. Plain data: the reports
// read no file.

#include <QString>
#include <QStringList>

struct ReportInputs {
    QString title;           // program title, the main window's caption
    QString learner;         // the practising learner's name, once there are two or more
    int numberOfTopics = 0;      // T
    int paperCount = 0;      // N
    QStringList topicNames;  // T entries
    QStringList fse, sse, ltm, cdd;  // N entries each
    QStringList trendScores;  // the trend record's entries as stored, oldest first
};
