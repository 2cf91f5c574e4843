#pragma once
// The results as a spreadsheet takes them: CSV by RFC 4180 in UTF-8, a header row, then one row
// per learner and paper. Scores are bare numbers (88.8, not "88.8%"), the time taken H:MM:SS and
// the date ISO 8601, so a spreadsheet reads each as what it is; names are quoted text.

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include "reports/report_inputs.h"

struct ExportRow {
    QString learner;
    QString topic;
    int paper = 0;          // 1 to 5 within the topic
    QString firstScore;     // as stored; empty: not marked
    QString timeTaken;      // H:MM:SS
    QString dateCompleted;  // yyyy-MM-dd, or the stored text when it cannot be read as a date
    QString secondScore;
};

// One row per paper of the module, in paper order.
QList<ExportRow> ExportRows(const QString& learner, const ReportInputs& inputs,
                            const QLocale& locale = QLocale::system());

// The header row and the rows, each line ended by CR LF.
QByteArray CsvBytes(const QList<ExportRow>& rows);

// "0:12:5" as "0:12:05"; text that is no time stays as it is.
QString ExportTimeText(const QString& stored);
