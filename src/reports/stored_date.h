#pragma once
// The date a first attempt was completed, as the marks file keeps it: the computer's short date
// text of the day it was marked. Read back for the export and the parent's overview.

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// The date in `text`, tried in the short form of `locale` (the computer's, which wrote it) and
// then in the program's own fallback forms; nothing when none fits. A two-digit year is taken
// as this century's.
std::optional<QDate> ParseStoredDate(const QString& text,
                                     const QLocale& locale = QLocale::system());
