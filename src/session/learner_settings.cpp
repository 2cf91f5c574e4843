#include "session/learner_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "content/course_shape.h"
#include "records/file_io.h"
#include "session/settings_file.h"

namespace {

constexpr int kSmallestZoom = 50, kLargestZoom = 400;

const QString kPrinter = QStringLiteral("print/printer");
const QString kPdf = QStringLiteral("print/saveAsPdf");
const QString kPageSize = QStringLiteral("print/pageSize");
const QString kOrientation = QStringLiteral("print/orientation");
const QString kZoom = QStringLiteral("question/zoom");
const QString kTopic = QStringLiteral("home/lastTopic");

int IntIn(const QSettings& s, const QString& key, int low, int high, int fallback) {
    bool ok = false;
    const int value = s.value(key).toString().toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

}  // namespace

QString LearnerSettings::fileName() {
    return QStringLiteral("learner.ini");
}

LearnerSettings LearnerSettings::load(const QString& learnerFolder) {
    LearnerSettings settings;
    const QString path = QDir(learnerFolder).filePath(fileName());
    // A FIFO or a folder in its place is never opened.
    if (FileKindAt(path) != FileKind::Regular) return settings;
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) return settings;
    settings.printer = file.value(kPrinter).toString();
    settings.saveAsPdf = file.value(kPdf).toString() == QStringLiteral("true");
    settings.pageSize = file.value(kPageSize).toString();
    settings.orientation = file.value(kOrientation).toString() == QStringLiteral("landscape")
                               ? Orientation::Landscape
                               : Orientation::Portrait;
    settings.questionZoom = IntIn(file, kZoom, kSmallestZoom, kLargestZoom, 100);
    settings.lastTopic = IntIn(file, kTopic, 1, kTopicCapacity, 1);
    return settings;
}

bool LearnerSettings::save(const QString& learnerFolder) const {
    return WriteSettingsFile(QDir(learnerFolder).filePath(fileName()), [this](QSettings& s) {
        s.setValue(kPrinter, printer);
        s.setValue(kPdf, saveAsPdf ? QStringLiteral("true") : QStringLiteral("false"));
        s.setValue(kPageSize, pageSize);
        s.setValue(kOrientation, orientation == Orientation::Landscape
                                     ? QStringLiteral("landscape")
                                     : QStringLiteral("portrait"));
        s.setValue(kZoom, questionZoom);
        s.setValue(kTopic, lastTopic);
    });
}
