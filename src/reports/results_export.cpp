#include "reports/results_export.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "marking/scoring.h"
#include "reports/stored_date.h"
#include "reports/topic_tallies.h"

namespace {

class ExportText {
    Q_DECLARE_TR_FUNCTIONS(ResultsExport)
};

QString Quoted(QString text) {
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A score the program wrote goes out as a number; anything else as quoted text, kept.
QString ScoreField(const QString& stored) {
    std::int64_t tenths = 0;
    if (stored.isEmpty()) return {};
    return ParseScoreTenths(stored.trimmed(), &tenths) ? stored.trimmed() : Quoted(stored);
}

// A time or date the export wrote goes out bare for the spreadsheet to read; other text quoted.
QString BareIf(const QString& text, const QRegularExpression& form) {
    if (text.isEmpty()) return text;
    return form.match(text).hasMatch() ? text : Quoted(text);
}

const QRegularExpression kTimeForm(QStringLiteral("^\\d+:\\d\\d:\\d\\d$"));
const QRegularExpression kDateForm(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d$"));

}  // namespace

QString ExportTimeText(const QString& stored) {
    const QStringList parts = stored.trimmed().split(QLatin1Char(':'));
    if (parts.size() != 3) return stored;
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || values[i] < 0 || (i > 0 && values[i] > 59)) return stored;
    }
    return QStringLiteral("%1:%2:%3")
        .arg(values[0])
        .arg(values[1], 2, 10, QLatin1Char('0'))
        .arg(values[2], 2, 10, QLatin1Char('0'));
}

QList<ExportRow> ExportRows(const QString& learner, const ReportInputs& inputs,
                            const QLocale& locale) {
    QList<ExportRow> rows;
    const int topics = TopicSlotsUsed(inputs);
    for (int t = 0; t < topics; ++t) {
        for (int p = 1; p <= kPapersPerTopic; ++p) {
            const int i = kPapersPerTopic * t + p - 1;
            if (i >= inputs.paperCount) break;
            ExportRow row;
            row.learner = learner;
            row.topic = EntryOrEmpty(inputs.topicNames, t);
            row.paper = p;
            row.firstScore = EntryOrEmpty(inputs.fse, i);
            row.timeTaken = ExportTimeText(EntryOrEmpty(inputs.ltm, i));
            const QString stored = EntryOrEmpty(inputs.cdd, i);
            const std::optional<QDate> date = ParseStoredDate(stored, locale);
            row.dateCompleted = date ? date->toString(Qt::ISODate) : stored;
            row.secondScore = EntryOrEmpty(inputs.sse, i);
            rows.append(row);
        }
    }
    return rows;
}

QByteArray CsvBytes(const QList<ExportRow>& rows) {
    const QStringList header = {ExportText::tr("Learner"),
                                ExportText::tr("Topic"),
                                ExportText::tr("Paper"),
                                ExportText::tr("First attempt score"),
                                ExportText::tr("Time taken"),
                                ExportText::tr("Date completed"),
                                ExportText::tr("Second attempt score")};
    QStringList lines;
    QStringList quotedHeader;
    for (const QString& h : header) quotedHeader << Quoted(h);
    lines << quotedHeader.join(QLatin1Char(','));
    for (const ExportRow& row : rows) {
        lines << QStringList{Quoted(row.learner),
                             Quoted(row.topic),
                             QString::number(row.paper),
                             ScoreField(row.firstScore),
                             BareIf(row.timeTaken, kTimeForm),
                             BareIf(row.dateCompleted, kDateForm),
                             ScoreField(row.secondScore)}
                     .join(QLatin1Char(','));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
