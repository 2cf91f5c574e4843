#include "records/records_log.h"

Q_LOGGING_CATEGORY(lcRecords, "hmquiz.records")
