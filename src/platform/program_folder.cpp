#include "platform/program_folder.h"

#include <QDir>
#include <QStandardPaths>

QString ProgramFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QString GraphicsFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/Graphics");
}
