// The log files at start-up.
#pragma once

// Deletes old log files and, when switched on in "SETTING.ini", creates this
// start's log and error files.
void StartLog();
