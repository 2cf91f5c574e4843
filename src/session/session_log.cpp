#include "session/session_log.h"

Q_LOGGING_CATEGORY(lcSession, "hmquiz.session")
