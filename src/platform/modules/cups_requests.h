#pragma once
// The questions the module hmquiz-cups puts to the print system for cups_queue.cpp, which loads
// it the first time one is asked.

#include <cstddef>

#include "platform/cups_queue.h"

struct CupsRequests {
    std::size_t size = sizeof(CupsRequests);
    int (*newestJobId)(const QString& printer);
    CupsJob (*findJobAfter)(const QString& printer, int afterId, const QString& title);
    CupsJob (*jobById)(int id);
    CupsPrinterStatus (*printerState)(const QString& printer);
    QString (*lastErrorText)();
};
