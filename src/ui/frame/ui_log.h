#pragma once
// Logging category of the windows (both windows and the frame they sit on).

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcUi)
