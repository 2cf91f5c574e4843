#pragma once
// Follows a job the print system took until it is done, and says so when something goes wrong on
// the way: the job aborted or cancelled, or the printer stopped while the job waits for it.

#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/cups_queue.h"

class PrintJobWatch : public QObject {
    Q_OBJECT
  public:
    PrintJobWatch(const QString& printer, int job, QObject* parent = nullptr, int intervalMs = 1000,
                  int giveUpAfterMs = 10 * 60 * 1000);

    QString printer() const { return printer_; }
    int job() const { return job_; }

  signals:
    // Once at most; the watch stops after it. Then, or when the job is finished, done().
    void trouble(PrintTrouble kind, const QString& detail);
    void done();

  private:
    void poll();
    void finish();

    QString printer_;
    int job_;
    int polls_ = 0;
    int maxPolls_;
    QTimer timer_;
};
