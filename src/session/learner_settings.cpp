#include "session/learner_settings.h"

#include <QDir>
#include <algorithm>

#include "records/file_io.h"
#include "session/session_log.h"

namespace {

constexpr qint64 kLargestFile = 64 * 1024;  // anything larger is not ours

// The value of `key` in `section` of an ini text ("[question]" then "zoom=150"). Read here rather
// than through QSettings, whose cache of parsed files in the process does not always notice a
// file replaced by a rename of the same size.
QString IniValue(const QByteArray& text, const QString& section, const QString& key) {
    QString current;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && current == section && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

}  // namespace

LearnerSettings::LearnerSettings(const QString& dataFolder)
    : m_path(QDir(dataFolder).filePath(fileName())) {
    // Only a small regular file is read: a FIFO or a device in its place would block, and a
    // huge file is not settings.
    const std::optional<QByteArray> bytes =
        FileKindAt(m_path) == FileKind::Regular ? ReadRegularFile(m_path) : std::nullopt;
    if (!bytes || bytes->size() > kLargestFile) return;
    bool ok = false;
    const int zoom =
        IniValue(*bytes, QStringLiteral("question"), QStringLiteral("zoom")).toInt(&ok);
    if (ok && zoom >= kDefaultQuestionZoom && zoom <= kMaximumQuestionZoom) m_questionZoom = zoom;
}

bool LearnerSettings::setQuestionZoom(int percent) {
    m_questionZoom = std::clamp(percent, kDefaultQuestionZoom, kMaximumQuestionZoom);
    return save();
}

bool LearnerSettings::save() const {
    // The file as QSettings writes it, written through the program's own atomic writer.
    const QByteArray text = "[question]\nzoom=" + QByteArray::number(m_questionZoom) + "\n";
    if (WriteFileAtomically(m_path, text, FileSync::None)) return true;
    qCWarning(lcSession) << "the settings could not be written to" << m_path;
    return false;
}
