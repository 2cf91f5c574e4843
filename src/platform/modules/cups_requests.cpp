// The module hmquiz-cups: the one part of the program that links the print system's client
// library.
#include "platform/modules/cups_requests.h"

#include <cups/cups.h>

#include <QByteArray>
#include <memory>

namespace {

CupsJobState FromIpp(int state) {
    switch (state) {
        case IPP_JSTATE_PENDING:
            return CupsJobState::Pending;
        case IPP_JSTATE_HELD:
            return CupsJobState::Held;
        case IPP_JSTATE_PROCESSING:
            return CupsJobState::Processing;
        case IPP_JSTATE_STOPPED:
            return CupsJobState::Stopped;
        case IPP_JSTATE_CANCELED:
            return CupsJobState::Cancelled;
        case IPP_JSTATE_ABORTED:
            return CupsJobState::Aborted;
        case IPP_JSTATE_COMPLETED:
            return CupsJobState::Completed;
        default:
            return CupsJobState::Unknown;
    }
}

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

// Sends a request for attributes of the object at `resource` ("/printers/x", "/jobs/7").
IppPtr AskAttributes(ipp_op_t operation, const QString& resource, const char* uriName,
                     const QList<const char*>& attributes) {
    char uri[HTTP_MAX_URI];
    const QByteArray path = resource.toUtf8();
    if (httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost",
                         ippPort(), "%s", path.constData()) < HTTP_URI_STATUS_OK)
        return nullptr;
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(attributes.size()), nullptr, attributes.data());
    IppPtr response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_CONFLICTING) return nullptr;
    return response;
}

QString Text(ipp_t* ipp, const char* name) {
    ipp_attribute_t* attr = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
    return attr ? QString::fromUtf8(ippGetString(attr, 0, nullptr)) : QString();
}

QStringList Keywords(ipp_t* ipp, const char* name) {
    QStringList words;
    if (ipp_attribute_t* attr = ippFindAttribute(ipp, name, IPP_TAG_ZERO))
        for (int i = 0; i < ippGetCount(attr); ++i) {
            const QString word = QString::fromUtf8(ippGetString(attr, i, nullptr));
            if (!word.isEmpty() && word != QLatin1String("none")) words.append(word);
        }
    return words;
}

template <typename Visit>
void ForEachJob(const QString& printer, Visit visit) {
    cups_job_t* jobs = nullptr;
    const QByteArray name = printer.toUtf8();
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i) visit(jobs[i]);
    if (count > 0) cupsFreeJobs(count, jobs);
}

int NewestJobId(const QString& printer) {
    int newest = 0;
    ForEachJob(printer, [&](const cups_job_t& job) { newest = std::max(newest, job.id); });
    return newest;
}

CupsJob FindJobAfter(const QString& printer, int afterId, const QString& title) {
    // The title is only a preference: the print system may spell a title it was handed in
    // another character set, and a job that is there must not be taken for one that is not.
    CupsJob newest, titled;
    ForEachJob(printer, [&](const cups_job_t& job) {
        if (job.id <= afterId) return;
        CupsJob found;
        found.id = job.id;
        found.title = QString::fromUtf8(job.title ? job.title : "");
        found.state = FromIpp(job.state);
        if (found.id > newest.id) newest = found;
        if (found.title == title && found.id > titled.id) titled = found;
    });
    return titled.id != 0 ? titled : newest;
}

CupsJob JobById(int id) {
    CupsJob job;
    if (id <= 0) return job;
    const IppPtr response =
        AskAttributes(IPP_OP_GET_JOB_ATTRIBUTES, QStringLiteral("/jobs/%1").arg(id), "job-uri",
                      {"job-id", "job-state", "job-state-reasons", "job-name", "job-state-message",
                       "job-printer-state-message"});
    if (!response) return job;
    ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    if (!state) return job;
    job.id = id;
    job.state = FromIpp(ippGetInteger(state, 0));
    job.title = Text(response.get(), "job-name");
    job.reason = Text(response.get(), "job-printer-state-message");
    if (job.reason.isEmpty()) job.reason = Text(response.get(), "job-state-message");
    if (job.reason.isEmpty()) job.reason = Keywords(response.get(), "job-state-reasons").join(", ");
    return job;
}

CupsPrinterStatus PrinterState(const QString& printer) {
    CupsPrinterStatus status;
    const IppPtr response = AskAttributes(IPP_OP_GET_PRINTER_ATTRIBUTES,
                                          QStringLiteral("/printers/") + printer, "printer-uri",
                                          {"printer-state", "printer-state-message",
                                           "printer-state-reasons", "printer-is-accepting-jobs"});
    if (!response) return status;
    ipp_attribute_t* state = ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM);
    if (!state) return status;
    status.known = true;
    status.stopped = ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* accepting =
            ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        status.acceptingJobs = ippGetBoolean(accepting, 0);
    status.message = Text(response.get(), "printer-state-message");
    status.reasons = Keywords(response.get(), "printer-state-reasons");
    return status;
}

QString LastErrorText() {
    if (cupsLastError() <= IPP_STATUS_OK_CONFLICTING) return {};
    return QString::fromUtf8(cupsLastErrorString());
}

}  // namespace

extern "C" Q_DECL_EXPORT const void* hmquizCupsRequests() {
    static const CupsRequests requests{sizeof(CupsRequests), NewestJobId, FindJobAfter, JobById,
                                       PrinterState, LastErrorText};
    return &requests;
}
