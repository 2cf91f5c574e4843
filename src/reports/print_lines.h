#pragma once
// The printed results table as lines of print zones: eight zones of 14 character columns, every
// item starting at its zone's boundary (or the next boundary after a longer item before it).

#include "reports/report_inputs.h"

#include <QList>
#include <QString>
#include <array>

inline constexpr int kZoneColumns = 14;
inline constexpr int kZonesPerLine = 8;
inline constexpr int kRuleLength = 128;

struct PrintLine {
    std::array<QString, kZonesPerLine> zones;  // zone z in entry z-1; empty text prints nothing
    // Printed on the same page as the line after it: a topic's heading stays with its table.
    bool keepWithNext = false;
};

// An item of a line placed at its starting column (0-based, in character columns).
struct PlacedItem {
    int column = 0;
    QString text;
    friend bool operator==(const PlacedItem&, const PlacedItem&) = default;
};

QList<PrintLine> BuildPrintLines(const ReportInputs& inputs);

// The columns of the non-empty items of a line.
QList<PlacedItem> PlaceZones(const PrintLine& line);

// The line as plain text with spaces up to each item's column (no trailing spaces).
QString PlainText(const PrintLine& line);
