#pragma once
// Logging category of the program's start: command line, data folder, the one-copy lock.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)
