#pragma once
// Logging category of the practice session (one open paper, without widgets).

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPractice)
