#pragma once
// The logging category of both windows and their frame.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcUi)
