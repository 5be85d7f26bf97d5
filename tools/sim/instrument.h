// The simulated instrument: its settings, its memory, and its answer to each
// frame the tool sends.
#pragma once
#include <ctime>
#include <string>

struct InstrumentState {
  std::string model;             // 9 characters on the wire
  std::string version;           // 6 characters on the wire
  char autoPowerOff = '0';       // 'Q': '0' permitted, '1' prohibited
  char patrolMode = '0';         // 'K': '0' off, '1' on
  char modelCode = '3';          // 'M': '0'-'5'
  std::string interval = "010";  // 'I': minutes, 3 characters
  std::string buzzer = "028.5";  // 'B': 5 characters as set
  std::string thresholds = "a028.06b031.06c033.06d035.06";   // 'S' payload as set
  std::string humidityLimit = "090.0";                        // 'L': 5 characters as set
  std::string iotInterval = "010";                            // 's' 'a'
  std::string iotStart = "08", iotStop = "17";                // 's' 'b'
  std::time_t clockOffset = 0;   // instrument clock minus the host's, in seconds
  int records = 0;
};

// The instrument's default state for `model` and `version`.
InstrumentState MakeInstrument(const std::string& model, const std::string& version, int records);

// The answer to one frame (STX up to ETX): a reply frame, ACK, or NAK for a
// malformed or unknown frame. A valid setting is kept.
std::string AnswerFrame(InstrumentState& state, const std::string& frame);

// The command letter of a frame: the letter after '$' or '#' for a query,
// the first letter for a setting; 0 for a frame too short to have one.
char CommandLetter(const std::string& frame);
