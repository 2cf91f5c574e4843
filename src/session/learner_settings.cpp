#include "session/learner_settings.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

#include "content/course_shape.h"
#include "session/settings_file.h"

namespace {

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
    ReadSettingsFile(QDir(learnerFolder).filePath(fileName()), [&settings](QSettings& file) {
        settings.printer = file.value(kPrinter).toString();
        settings.saveAsPdf = file.value(kPdf).toString() == QStringLiteral("true");
        settings.pageSize = file.value(kPageSize).toString();
        settings.orientation = file.value(kOrientation).toString() == QStringLiteral("landscape")
                                   ? Orientation::Landscape
                                   : Orientation::Portrait;
        settings.questionZoom = IntIn(file, kZoom, kDefaultQuestionZoom, kMaximumQuestionZoom,
                                      kDefaultQuestionZoom);
        settings.lastTopic = IntIn(file, kTopic, 1, kTopicCapacity, 1);
    });
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

int StoredQuestionZoom(const QString& learnerFolder) {
    return LearnerSettings::load(learnerFolder).questionZoom;
}

bool KeepQuestionZoom(const QString& learnerFolder, int percent) {
    LearnerSettings settings = LearnerSettings::load(learnerFolder);
    const int zoom = std::clamp(percent, LearnerSettings::kDefaultQuestionZoom,
                                LearnerSettings::kMaximumQuestionZoom);
    if (settings.questionZoom == zoom) return true;
    settings.questionZoom = zoom;
    return settings.save(learnerFolder);
}
