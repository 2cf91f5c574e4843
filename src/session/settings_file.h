#pragma once
// The program's small settings files (the list of learners, each learner's settings): in the
// format QSettings reads, read through QSettings and written whole through the atomic writer,
// never by QSettings itself, which would leave its lock file beside them.

#include <QSettings>
#include <QString>
#include <functional>

// Fills a QSettings in a private temporary folder with `fill`, then writes its bytes over `path`
// atomically. False (logged) when it could not.
bool WriteSettingsFile(const QString& path, const std::function<void(QSettings&)>& fill);
