#pragma once
// The contents of the Report view's three sub-view panels and the printed results table.

#include "reports/report_inputs.h"

class ContentsChannel;
class QWidget;

// Builds on first use, then fills, the controls inside the panels RC1Summary, RC2Topical and
// RC3Trend found under `bodyReport` by objectName.
void FillReport(QWidget* bodyReport, const ReportInputs& inputs);

// Prints the results table where the session's print choice says, without a dialog, and says
// where it went; with no printer it offers to save the table as a PDF file.
void PrintResults(ContentsChannel& contents, const ReportInputs& inputs);

// The printer form: chooses the printer (or PDF), page size and orientation of the next prints.
void PrinterSetup(ContentsChannel& contents);
