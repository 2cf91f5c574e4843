#include "platform/cups_queue.h"

#include "platform/modules/cups_requests.h"
#include "platform/on_demand_module.h"

namespace {

// Null when the module cannot be loaded: every answer is then "unknown".
const CupsRequests* Requests() {
    return OnDemandModule<CupsRequests>("hmquiz-cups", "hmquizCupsRequests");
}

}  // namespace

int NewestCupsJobId(const QString& printer) {
    const CupsRequests* requests = Requests();
    return requests ? requests->newestJobId(printer) : 0;
}

CupsJob FindCupsJobAfter(const QString& printer, int afterId, const QString& title) {
    const CupsRequests* requests = Requests();
    return requests ? requests->findJobAfter(printer, afterId, title) : CupsJob{};
}

CupsJob CupsJobById(int id) {
    const CupsRequests* requests = Requests();
    return requests ? requests->jobById(id) : CupsJob{};
}

CupsPrinterStatus CupsPrinterState(const QString& printer) {
    const CupsRequests* requests = Requests();
    return requests ? requests->printerState(printer) : CupsPrinterStatus{};
}

QString CupsLastErrorText() {
    const CupsRequests* requests = Requests();
    return requests ? requests->lastErrorText() : QString();
}

CupsJobCheck CheckCupsJob(const QString& printer, int id) {
    CupsJobCheck check;
    const CupsJob job = CupsJobById(id);
    switch (job.state) {
        case CupsJobState::Unknown:
        case CupsJobState::Completed:
            // A job the print system no longer knows was done and dropped from its history.
            check.finished = true;
            return check;
        case CupsJobState::Aborted:
            check.finished = true;
            check.trouble = PrintTrouble::JobAborted;
            check.detail = job.reason;
            return check;
        case CupsJobState::Cancelled:
            check.finished = true;
            check.trouble = PrintTrouble::JobCancelled;
            return check;
        default:
            break;
    }
    const CupsPrinterStatus status = CupsPrinterState(printer);
    if (job.state == CupsJobState::Stopped || (status.known && status.stopped)) {
        check.trouble = PrintTrouble::PrinterStopped;
        // The printer's own message, else the job's (why it stopped there), else the reasons.
        check.detail = status.message;
        if (check.detail.isEmpty() && !job.reason.startsWith(QLatin1String("job-")))
            check.detail = job.reason;
        if (check.detail.isEmpty()) check.detail = status.reasons.join(QStringLiteral(", "));
    }
    return check;
}
