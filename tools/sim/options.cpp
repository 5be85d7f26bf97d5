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

// Each option with what its usage line shows: the value it takes and what it does.
struct IntOption { const char* name; int SimOptions::*field; int low; int high; const char* help; };
struct TextOption { const char* name; std::string SimOptions::*field; const char* help; };
struct ListOption { const char* name; std::vector<std::string> SimOptions::*field; const char* help; };

const IntOption kIntOptions[] = {
    {"--records", &SimOptions::records, 0, 512, "N  0 to 512 memory records (512 is more than one answer holds; 24)"},
    {"--naks", &SimOptions::naks, 0, 1000, "N  refuse each frame N times before answering it"},
    {"--silent", &SimOptions::silences, 0, 1000, "N  leave each frame unanswered N times before answering it"},
    {"--late", &SimOptions::lateMs, 0, 600000, "MS  wait before each answer"},
    {"--noise", &SimOptions::noise, 0, 1000, "N  N noise bytes before each answer"},
    {"--control-noise", &SimOptions::controlNoise, 0, 1000,
     "N  N junk frames holding STX, ETX, ACK, NAK before each answer, a frame left open behind it"},
    {"--split", &SimOptions::pieces, 1, 1000, "N  each answer in N pieces, 20 ms apart"},
    {"--baud", &SimOptions::baud, 0, 4000000, "RATE  pace answer bytes at RATE bit/s (10 bits a byte)"},
    {"--mute-after", &SimOptions::muteAfter, 0, 1000000, "N  after N frames answered, none more"},
    {"--gone-after", &SimOptions::goneAfter, 0, 1000000, "N  after N frames answered, the line is gone"},
};
const TextOption kTextOptions[] = {
    {"--link", &SimOptions::linkPath, "PATH  the device is also reachable there"},
    {"--model", &SimOptions::model, "NAME  the model name (9 characters are sent; TAVO-420B)"},
    {"--version", &SimOptions::version, "TEXT  the firmware version (6 characters are sent; 2.00)"},
    {"--log", &SimOptions::logPath, "FILE  every frame received, in hex with its time"},
    {"--records-out", &SimOptions::recordsPath, "FILE  the memory records, as held, written there at start"},
    {"--ignore", &SimOptions::ignored, "LETTERS  command letters never answered"},
    {"--refuse", &SimOptions::refused, "LETTERS  setting frames of these letters always get NAK"},
    {"--drop-once", &SimOptions::droppedOnce,
     "LETTERS  the first setting frame of each of these letters is lost: neither kept nor answered"},
    {"--forget", &SimOptions::forgotten, "LETTERS  settings of these letters acknowledged but not kept"},
    {"--cut", &SimOptions::cut, "LETTERS  answers to these letters stop half-way"},
    {"--cut-once", &SimOptions::cutOnce, "LETTERS  the first answer to each of these letters stops half-way"},
    {"--unplug", &SimOptions::unplugged, "LETTER  the answer to it stops half-way and the line is gone"},
    {"--slip", &SimOptions::slipped, "LETTERS  one byte more in the middle of their answers"},
    {"--stray-ack", &SimOptions::strayAck, "LETTERS  an ACK right behind their answers"},
    {"--stray-nak", &SimOptions::strayNak, "LETTERS  a NAK right behind their answers"},
    {"--second", &SimOptions::second, "LETTERS  a short frame of the same letter right behind their answers"},
    {"--etx", &SimOptions::etx, "LETTERS  an ETX before the EOT of their answers"},
    {"--early-ack", &SimOptions::earlyAck,
     "LETTERS  their settings get an ACK as soon as the letter is in, no answer once whole"},
    {"--endless", &SimOptions::endless, "LETTERS  their answers never end (no EOT)"},
    {"--late-to", &SimOptions::lateLetters, "LETTERS  with --late: of the queries, only theirs are answered late"},
    {"--late-ack", &SimOptions::lateAcks, "LETTERS  with --late: of the settings, only theirs are acknowledged late"},
};
const ListOption kListOptions[] = {
    {"--reply", &SimOptions::replies, "LETTER+PAYLOAD  the payload answering that query (several: in turn)"},
    {"--zero", &SimOptions::zeroed, "LETTER+POSITION  a zero byte at that reply position (0: the STX)"},
    {"--byte", &SimOptions::bytes, "LETTER+POSITION=HEX  that byte at that reply position"},
};

void AddLine(std::string& text, const char* name, const char* help) {
  text += std::string("  ") + name + " " + help + "\n";
}

}  // namespace

std::string Usage() {
  std::string text =
      "Usage: tavo_sim [OPTION VALUE]...\n"
      "A TAVO-400 series instrument on a pseudo-terminal: prints the device to open,\n"
      "then answers there until it is ended (SIGTERM or SIGINT). Every option takes a\n"
      "value; --reply, --zero and --byte may be given several times.\n";
  for (const TextOption& o : kTextOptions) AddLine(text, o.name, o.help);
  for (const IntOption& o : kIntOptions) AddLine(text, o.name, o.help);
  for (const ListOption& o : kListOptions) AddLine(text, o.name, o.help);
  return text + "  -h, --help  this text\n";
}

bool ParseOptions(int argc, char** argv, SimOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const char* name = argv[i];
    if (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0) {
      options.help = true;
      continue;
    }
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
