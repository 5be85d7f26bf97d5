// Command-line options of the instrument simulator.
#pragma once
#include <string>
#include <vector>

struct SimOptions {
  std::string linkPath;            // --link PATH: the device is also reachable there
  std::string model = "TAVO-420B"; // --model NAME (9 characters are sent)
  std::string version = "2.00";    // --version TEXT (6 characters are sent)
  std::string ignored;             // --ignore LETTERS: command letters never answered
  std::string refused;             // --refuse LETTERS: setting frames of these letters always get NAK
  std::string droppedOnce;         // --drop-once LETTERS: the first setting frame of each of these letters is
                                   // lost on the line: neither kept nor answered
  std::string cut;                 // --cut LETTERS: answers to these command letters stop half-way
  std::string unplugged;           // --unplug LETTER: the answer to this letter stops half-way and the line is gone
  std::string cutOnce;             // --cut-once LETTERS: the first answer to each of these letters stops half-way
  std::string slipped;             // --slip LETTERS: one byte more in the middle of the answers to these letters
  std::string strayAck;            // --stray-ack LETTERS: an ACK right behind the answers to these letters
  std::string strayNak;            // --stray-nak LETTERS: a NAK right behind the answers to these letters
  std::string second;              // --second LETTERS: a short frame of the same letter right behind these answers
  std::string etx;                 // --etx LETTERS: an ETX before the EOT of the answers to these letters
  std::string earlyAck;            // --early-ack LETTERS: settings of these letters get an ACK as soon as their
                                   // letter is in, and no answer once they are whole
  int controlNoise = 0;            // --control-noise N: N junk frames holding STX, ETX, ACK, NAK before each
                                   // answer, and a frame left open behind it
  int naks = 0;                    // --naks N: refuse each frame N times before answering it
  int silences = 0;                // --silent N: leave each frame unanswered N times before answering it
  int lateMs = 0;                  // --late MS: wait before each answer
  std::string lateLetters;         // --late-to LETTERS: of the queries, only the answers to these letters are late
  std::string lateAcks;            // --late-ack LETTERS: of the settings, only these letters' are late
                                   // (with neither of the two, every answer is late)
  int noise = 0;                   // --noise N: N noise bytes before each answer
  int pieces = 1;                  // --split N: each answer in N pieces, 20 ms apart
  int baud = 0;                    // --baud RATE: pace answer bytes at RATE bit/s (10 bits a byte)
  std::string forgotten;           // --forget LETTERS: settings of these letters acknowledged but not kept
  std::string endless;             // --endless LETTERS: answers to these letters never end (no EOT)
  int muteAfter = 0;               // --mute-after N: after N frames answered, none more (0: never)
  int goneAfter = 0;               // --gone-after N: after N frames answered, the line is gone (0: never)
  int records = 24;                // --records N: 0 to 512 memory records (512 is more than one answer holds)
  std::string logPath;             // --log FILE: every frame received, in hex with its time
  std::string recordsPath;         // --records-out FILE: the memory records, as held, written there at start
  std::vector<std::string> replies;  // --reply LETTER+PAYLOAD, repeatable: the payload answering that query
                                     // (several for one letter answer in turn)
  std::vector<std::string> zeroed;   // --zero LETTER+POSITION, repeatable: a zero byte at that reply position
  std::vector<std::string> bytes;    // --byte LETTER+POSITION=HEX, repeatable: that byte at that reply position
  bool help = false;                 // --help, -h: the usage, nothing else
};

// Fills `options` from the arguments; false (with a message in `error`) on a bad one.
bool ParseOptions(int argc, char** argv, SimOptions& options, std::string& error);
// The usage text: every option with its value and what it does.
std::string Usage();
