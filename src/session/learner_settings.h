#pragma once
// What the learner chose for the way the program looks, kept between papers and runs in a small
// ini file of the data folder ("settings.ini", QSettings' format): for now the size of the
// question text. A missing, unreadable or damaged file, or a value out of range, gives the
// defaults without a word; a change is written at once, whole (WriteFileAtomically).

#include <QString>

class LearnerSettings {
  public:
    // The range of the question zoom, in percent of the designed size.
    static constexpr int kDefaultQuestionZoom = 100;
    static constexpr int kMaximumQuestionZoom = 300;

    // Reads the settings of the data folder `dataFolder`.
    explicit LearnerSettings(const QString& dataFolder);

    static QString fileName() { return QStringLiteral("settings.ini"); }
    QString path() const { return m_path; }

    int questionZoom() const { return m_questionZoom; }
    // Keeps `percent` (held within the range) and writes the file; false, the value kept for
    // this run only, when the file cannot be written (logged).
    bool setQuestionZoom(int percent);

  private:
    bool save() const;

    QString m_path;
    int m_questionZoom = kDefaultQuestionZoom;
};
