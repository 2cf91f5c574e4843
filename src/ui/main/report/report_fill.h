#pragma once
// The contents of the Report view's three sub-view panels and the printed results table.

#include "reports/report_inputs.h"

class ContentsChannel;
class QWidget;

// Builds on first use, then fills, the controls inside the panels RC1Summary, RC2Topical and
// RC3Trend found under `bodyReport` by objectName.
void FillReport(QWidget* bodyReport, const ReportInputs& inputs);

// Prints the results table on the chosen printer without a dialog; with no printer available it
// says so in the program's own dialog and offers to save the table as a PDF file.
void PrintResults(ContentsChannel& contents, const ReportInputs& inputs);

// The printer dialog that chooses the printer PrintResults uses next.
void PrinterSetup(ContentsChannel& contents);
