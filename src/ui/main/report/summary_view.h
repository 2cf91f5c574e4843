#pragma once
// The Overall Results sub-view: five captions and their values.

#include "reports/summary_figures.h"

class QWidget;

// Creates SumyL1..SumyL5 and OScore1, OScore2, PCNum, WT, ST inside `panel` unless present.
void BuildSummaryView(QWidget* panel);
void FillSummaryView(QWidget* panel, const SummaryTexts& texts);
