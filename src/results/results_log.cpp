#include "results/results_log.h"

Q_LOGGING_CATEGORY(lcResults, "hmquiz.results")
