#include "platform/print_job_watch.h"

#include "platform/platform_log.h"

PrintJobWatch::PrintJobWatch(const QString& printer, int job, QObject* parent, int intervalMs,
                             int giveUpAfterMs)
    : QObject(parent),
      printer_(printer),
      job_(job),
      maxPolls_(std::max(1, giveUpAfterMs / std::max(1, intervalMs))) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &PrintJobWatch::poll);
    timer_.start();
}

void PrintJobWatch::poll() {
    const CupsJobCheck check = CheckCupsJob(printer_, job_);
    if (check.trouble != PrintTrouble::None) {
        qCWarning(lcPlatform) << "print job" << job_ << "on" << printer_
                              << "is in trouble:" << static_cast<int>(check.trouble)
                              << check.detail;
        emit trouble(check.trouble, check.detail);
        finish();
        return;
    }
    if (check.finished || ++polls_ >= maxPolls_) finish();
}

void PrintJobWatch::finish() {
    timer_.stop();
    emit done();
}
