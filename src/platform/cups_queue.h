#pragma once
// What the print system (CUPS) says about a printer and the jobs sent to it. Qt hands a job to
// CUPS and reports nothing after that; these questions find out whether the job arrived and how
// it fares. Every answer degrades to "unknown" when the print system cannot be asked.

#include <QString>
#include <QStringList>

enum class CupsJobState {
    Unknown,
    Pending,
    Held,
    Processing,
    Stopped,
    Cancelled,
    Aborted,
    Completed
};

struct CupsJob {
    int id = 0;  // 0: no such job
    CupsJobState state = CupsJobState::Unknown;
    QString title;
    QString reason;  // the printer's message while it handled the job, or the job's reasons
};

struct CupsPrinterStatus {
    bool known = false;  // the print system answered
    bool stopped = false;
    bool acceptingJobs = true;
    QString message;      // printer-state-message, may be empty
    QStringList reasons;  // printer-state-reasons other than "none"
};

// The highest id among this user's jobs (any state) on `printer`; 0 when there is none.
int NewestCupsJobId(const QString& printer);

// This user's newest job on `printer` with an id above `afterId`, one with the given title if
// there is one; id 0 when there is none.
CupsJob FindCupsJobAfter(const QString& printer, int afterId, const QString& title);

// The job's present state; id 0 when the print system does not know it.
CupsJob CupsJobById(int id);

CupsPrinterStatus CupsPrinterState(const QString& printer);

// The print system's last error in this thread, empty when the last request succeeded.
QString CupsLastErrorText();

// What stands between a job and the paper.
enum class PrintTrouble { None, JobAborted, JobCancelled, PrinterStopped };

struct CupsJobCheck {
    bool finished = false;  // printed, failed for good, or no longer known
    PrintTrouble trouble = PrintTrouble::None;
    QString detail;  // the print system's words for the trouble
};

// How job `id` on `printer` fares now. A job waiting on a stopped printer is not finished: it
// prints when the printer is started again.
CupsJobCheck CheckCupsJob(const QString& printer, int id);
