#pragma once
// Printing the results table of the Report view's module.

#include "reports/report_inputs.h"

class ContentsChannel;

// Prints the results table on the chosen printer without a dialog; with no printer available it
// says so in the program's own dialog and offers to save the table as a PDF file.
void PrintResults(ContentsChannel& contents, const ReportInputs& inputs);

// The printer dialog that chooses the printer PrintResults uses next.
void PrinterSetup(ContentsChannel& contents);
