#include "ui/frame/ui_log.h"

Q_LOGGING_CATEGORY(lcUi, "hmquiz.ui")
