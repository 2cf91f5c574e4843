#include "reports/stored_date.h"

#include <QStringList>

std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    const QStringList formats = {locale.dateFormat(QLocale::ShortFormat),
                                 QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"),
                                 QStringLiteral("yyyy-MM-dd")};
    for (const QString& format : formats) {
        QDate date = locale.toDate(trimmed, format);
        if (!date.isValid()) continue;
        const bool shortYear =
            format.contains(QStringLiteral("yy")) && !format.contains(QStringLiteral("yyyy"));
        if (shortYear && date.year() < 2000) date = date.addYears(100);
        return date;
    }
    return std::nullopt;
}
