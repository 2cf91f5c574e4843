#pragma once
// The Topical Results sub-view: ten rows of name box, two tracks with bars and percentages.

#include "reports/topical_rows.h"

class QWidget;

// Creates the headings and the controls TopLab<t>, TBack<t>A/B, TBar<t>A/B, TMark<t>A/B of the
// ten rows inside `panel` unless present.
void BuildTopicalView(QWidget* panel);

// Fills row t (1..10) and shows it; bars take the exact average of the track's inner width.
void FillTopicalRow(QWidget* panel, int t, const TopicalRow& row);

// Rows above `topicCount` are hidden, with their tracks, bars and percentages.
void SetTopicalRowsVisible(QWidget* panel, int topicCount);
