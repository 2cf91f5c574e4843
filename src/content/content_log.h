#pragma once
// Logging category of the course package layer.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcContent)
