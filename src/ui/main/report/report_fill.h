#pragma once
// Printing the results table of the Report view's module.

#include "reports/report_inputs.h"

class ContentsChannel;

// Prints the results table where the session's print choice says, without a dialog, and says
// where it went; with no printer it offers to save the table as a PDF file.
void PrintResults(ContentsChannel& contents, const ReportInputs& inputs);

// The printer form: chooses the printer (or PDF), page size and orientation of the next prints.
void PrinterSetup(ContentsChannel& contents);
