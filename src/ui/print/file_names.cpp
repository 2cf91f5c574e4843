#include "ui/print/file_names.h"

#include <QCoreApplication>

namespace {

class FileNameText {
    Q_DECLARE_TR_FUNCTIONS(FileNames)
};

QString Dated(const QString& what, const QString& learner, const QDate& date,
              const QString& extension) {
    const QString day = date.toString(Qt::ISODate);
    const QString name = learner.isEmpty() ? QStringLiteral("%1 %2").arg(what, day)
                                           : QStringLiteral("%1 %2 %3").arg(what, learner, day);
    return FileNameSafe(name) + extension;
}

}  // namespace

QString FileNameSafe(const QString& text) {
    QString safe;
    for (const QChar c : text) {
        const bool refused =
            QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control;
        safe += refused ? QLatin1Char('-') : c;
    }
    // A leading dot would hide the file.
    while (safe.startsWith(QLatin1Char('.'))) safe.remove(0, 1);
    return safe.trimmed();
}

QString QuestionPdfName(const QString& paperCaption, int question) {
    return FileNameSafe(FileNameText::tr("%1 - question %2").arg(paperCaption).arg(question)) +
           QStringLiteral(".pdf");
}

QString ResultsPdfName(const QString& learner, const QDate& date) {
    return Dated(FileNameText::tr("results"), learner, date, QStringLiteral(".pdf"));
}

QString OverviewPdfName(const QDate& date) {
    return Dated(FileNameText::tr("overview"), QString(), date, QStringLiteral(".pdf"));
}

QString ResultsCsvName(const QString& learner, const QDate& date) {
    return Dated(FileNameText::tr("results"), learner, date, QStringLiteral(".csv"));
}
