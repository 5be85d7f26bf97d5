#include "log/start_log.h"

// Log files are not written yet.
void StartLog() {}
