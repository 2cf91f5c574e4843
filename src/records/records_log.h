#pragma once
// Logging category of the record file layer.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcRecords)
