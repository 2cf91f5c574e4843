#pragma once
// The groups of the strip under the question (remaining list, time, date, score) in as many rows
// as it takes to show every one with its caption: on a narrow question pane (a large screen
// scale, a small window) the strip grows a row rather than dropping a caption. A group too wide
// for a row of its own is shown without its caption, and left out when even that is too wide.
// The first group (the remaining list) sits at the left of its row, the others at the right.

#include <QList>

#include "ui/practice/practice_geometry.h"

struct StripRowPlace {
    bool shown = false;
    bool compact = false;
    int row = 0;
    int left = 0;
    int width = 0;
};

struct StripRows {
    int rowCount = 1;
    QList<StripRowPlace> places;  // one per group, in the order given
};

StripRows PlanStripRows(int stripWidth, const QList<StripGroup>& groups);
