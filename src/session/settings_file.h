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

// Reads `path` through QSettings from a private copy: QSettings keeps parsed files in a cache of
// the process that can miss a file replaced by a rename within the same second, and a FIFO or a
// folder in the file's place, or a file too large to be settings, is never opened. False when
// there is no file to read; `read` then is not called.
bool ReadSettingsFile(const QString& path, const std::function<void(QSettings&)>& read);
