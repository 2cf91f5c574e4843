#pragma once
// Logging category of the results store.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcResults)
