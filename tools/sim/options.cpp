#include "options.h"

#include <cstdlib>
#include <cstring>

namespace {

bool ToInt(const char* text, int low, int high, int& value) {
  char* end = nullptr;
  long v = std::strtol(text, &end, 10);
  if (*text == '\0' || *end != '\0' || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

struct IntOption { const char* name; int SimOptions::*field; int low; int high; };
struct TextOption { const char* name; std::string SimOptions::*field; };
struct ListOption { const char* name; std::vector<std::string> SimOptions::*field; };

const IntOption kIntOptions[] = {
    {"--naks", &SimOptions::naks, 0, 1000},     {"--late", &SimOptions::lateMs, 0, 600000},
    {"--noise", &SimOptions::noise, 0, 1000},   {"--split", &SimOptions::pieces, 1, 1000},
    {"--baud", &SimOptions::baud, 0, 4000000},  {"--records", &SimOptions::records, 0, 512},
    {"--silent", &SimOptions::silences, 0, 1000}, {"--control-noise", &SimOptions::controlNoise, 0, 1000},
    {"--mute-after", &SimOptions::muteAfter, 0, 1000000}, {"--gone-after", &SimOptions::goneAfter, 0, 1000000},
};
const TextOption kTextOptions[] = {
    {"--link", &SimOptions::linkPath}, {"--model", &SimOptions::model}, {"--version", &SimOptions::version},
    {"--ignore", &SimOptions::ignored}, {"--log", &SimOptions::logPath},
    {"--cut", &SimOptions::cut},        {"--unplug", &SimOptions::unplugged},
    {"--refuse", &SimOptions::refused},  {"--cut-once", &SimOptions::cutOnce},
    {"--slip", &SimOptions::slipped},    {"--stray-ack", &SimOptions::strayAck},
    {"--stray-nak", &SimOptions::strayNak},  {"--second", &SimOptions::second},
    {"--etx", &SimOptions::etx},             {"--early-ack", &SimOptions::earlyAck},
    {"--records-out", &SimOptions::recordsPath}, {"--forget", &SimOptions::forgotten},
    {"--endless", &SimOptions::endless},     {"--late-to", &SimOptions::lateLetters},
    {"--late-ack", &SimOptions::lateAcks},
};
const ListOption kListOptions[] = {
    {"--reply", &SimOptions::replies},
    {"--zero", &SimOptions::zeroed},
    {"--byte", &SimOptions::bytes},
};

}  // namespace

bool ParseOptions(int argc, char** argv, SimOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const char* name = argv[i];
    if (i + 1 >= argc) {
      error = std::string("missing value after ") + name;
      return false;
    }
    const char* value = argv[++i];
    bool known = false;
    for (const IntOption& o : kIntOptions)
      if (std::strcmp(name, o.name) == 0) {
        known = true;
        if (!ToInt(value, o.low, o.high, options.*o.field)) {
          error = std::string("bad value for ") + name + ": " + value;
          return false;
        }
      }
    for (const TextOption& o : kTextOptions)
      if (std::strcmp(name, o.name) == 0) {
        known = true;
        options.*o.field = value;
      }
    for (const ListOption& o : kListOptions)
      if (std::strcmp(name, o.name) == 0) {
        known = true;
        if (*value == '\0') {
          error = std::string("empty value for ") + name;
          return false;
        }
        (options.*o.field).push_back(value);
      }
    if (!known) {
      error = std::string("unknown option ") + name;
      return false;
    }
  }
  return true;
}
