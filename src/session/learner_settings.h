#pragma once
// What stays from one start to the next for each learner: where prints go (printer, page size,
// orientation), the question zoom and the topic last chosen. Kept in a small settings file in
// the learner's folder; a missing or damaged file, or a value out of range, gives the default.

#include <QString>

struct LearnerSettings {
    enum class Orientation { Portrait, Landscape };

    QString printer;         // empty: the system's default printer
    bool saveAsPdf = false;  // prints go to a PDF file instead of a printer
    QString pageSize;        // a page size's key ("A4", "Letter"); empty: the printer's own
    Orientation orientation = Orientation::Portrait;
    int questionZoom = 100;  // percent
    int lastTopic = 1;       // 1-based

    bool operator==(const LearnerSettings&) const = default;

    static QString fileName();  // "learner.ini"
    static LearnerSettings load(const QString& learnerFolder);
    // False (logged) when the file could not be written.
    bool save(const QString& learnerFolder) const;
};
