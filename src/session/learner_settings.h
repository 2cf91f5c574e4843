#pragma once
// What stays from one start to the next for each learner: where prints go (printer, page size,
// orientation), the size of the question text and the topic last chosen. Kept in a small
// settings file in the learner's folder; a missing or damaged file, or a value out of range,
// gives the default without a word. A change is written at once, whole.

#include <QString>

struct LearnerSettings {
    enum class Orientation { Portrait, Landscape };

    // The range of the question zoom, in percent of the designed size.
    static constexpr int kDefaultQuestionZoom = 100;
    static constexpr int kMaximumQuestionZoom = 300;

    QString printer;         // empty: the system's default printer
    bool saveAsPdf = false;  // prints go to a PDF file instead of a printer
    QString pageSize;        // a page size's key ("A4", "Letter"); empty: the printer's own
    Orientation orientation = Orientation::Portrait;
    int questionZoom = kDefaultQuestionZoom;  // percent
    int lastTopic = 1;                        // 1-based

    bool operator==(const LearnerSettings&) const = default;

    static QString fileName();  // "learner.ini"
    static LearnerSettings load(const QString& learnerFolder);
    // False (logged) when the file could not be written.
    bool save(const QString& learnerFolder) const;
};

// The question zoom alone, read afresh and written back with the rest of the file unchanged:
// the practice window changes it while the main window holds the other settings.
int StoredQuestionZoom(const QString& learnerFolder);
bool KeepQuestionZoom(const QString& learnerFolder, int percent);
