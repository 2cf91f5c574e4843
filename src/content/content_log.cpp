#include "content/content_log.h"

Q_LOGGING_CATEGORY(lcContent, "hmquiz.content")
