#include "practice/practice_log.h"

Q_LOGGING_CATEGORY(lcPractice, "hmquiz.practice")
