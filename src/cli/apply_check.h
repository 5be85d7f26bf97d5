// The checks of apply on a settings file, all made before the first frame:
// the file as a whole (readable, every line "key = value", no key twice, no
// control character), each value by the page's own rule, the edits that go
// out together (level1-level4, iot_start and iot_stop) none left empty
// beside filled ones, and with --maker the model the file was read from.
#pragma once
#include <string>
#include <vector>

#include "cli/settings_file.h"

namespace inst {
struct Instrument;
}

// The settings of the file at `path`, every one checked; false after telling
// each problem as "PATH:LINE: KEY: reason".
bool LoadSettings(const std::string& path, std::vector<SettingLine>& settings);

// With --maker: true when the file's `model` is the connected instrument's;
// false after telling the user (then, without --force, nothing may be written).
bool SameModel(const std::string& path, const inst::Instrument& instrument, const std::vector<SettingLine>& settings,
               const std::string& port);
