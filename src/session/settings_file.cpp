#include "session/settings_file.h"

#include <QTemporaryDir>

#include "records/file_io.h"
#include "session/session_log.h"

bool WriteSettingsFile(const QString& path, const std::function<void(QSettings&)>& fill) {
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        qCWarning(lcSession) << "no temporary folder for" << path << scratch.errorString();
        return false;
    }
    const QString draft = scratch.filePath(QStringLiteral("settings.ini"));
    {
        QSettings settings(draft, QSettings::IniFormat);
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            qCWarning(lcSession) << "could not put together" << path;
            return false;
        }
    }
    const std::optional<QByteArray> bytes = ReadRegularFile(draft);
    if (!bytes || !WriteFileAtomically(path, *bytes)) {
        qCWarning(lcSession) << "could not write" << path;
        return false;
    }
    return true;
}

bool ReadSettingsFile(const QString& path, const std::function<void(QSettings&)>& read) {
    constexpr qint64 kLargestSettings = 64 * 1024;  // anything larger is not ours
    if (FileKindAt(path) != FileKind::Regular) return false;
    const std::optional<QByteArray> bytes = ReadRegularFile(path);
    QTemporaryDir scratch;
    if (!bytes || bytes->size() > kLargestSettings || !scratch.isValid()) return false;
    const QString copy = scratch.filePath(QStringLiteral("settings.ini"));
    if (!WriteFileAtomically(copy, *bytes, FileSync::None)) return false;
    QSettings settings(copy, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) qCWarning(lcSession) << path << "could not be read whole";
    read(settings);
    return true;
}
