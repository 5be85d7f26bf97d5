// The instrument simulator: answers the tool on a pseudo-terminal as a
// TAVO-400 series instrument would. Prints the device to open, then runs
// until it is ended (SIGTERM or SIGINT).
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "frame_log.h"
#include "instrument.h"
#include "line_writer.h"
#include "options.h"
#include "pty.h"
#include "records.h"
#include "request_reader.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

// Time for the tool to read half an answer before the line goes with the adapter.
constexpr unsigned kUnplugPauseUs = 20000;

bool Marked(const std::string& letters, char letter) {
  return letter && letters.find(letter) != std::string::npos;
}

bool IsSetting(const std::string& frame) { return frame.size() > 2 && frame[1] != '$' && frame[1] != '#'; }

// Answers one frame, unless its letter is ignored or its setting refused;
// leaves it unanswered and refuses it first as often as asked; loses the first setting frame of a letter of
// --drop-once; a query given with --reply gets that payload.
class Responder {
public:
  Responder(const SimOptions& options, InstrumentState& state) : m_options(options), m_state(state) {
    m_naksLeft = options.naks;
    m_silencesLeft = options.silences;
    m_toDrop = options.droppedOnce;
  }
  // The bytes to send back; empty for no answer.
  std::string Answer(const std::string& frame) {
    char letter = CommandLetter(frame);
    if (letter && m_options.ignored.find(letter) != std::string::npos) return "";
    const bool setting = IsSetting(frame);
    if (setting && Marked(m_options.refused, letter)) return "\x15";
    if (setting && Marked(m_toDrop, letter)) {   // lost on the line: the instrument never had it
      m_toDrop.erase(m_toDrop.find(letter), 1);
      return "";
    }
    if (setting && Marked(m_options.earlyAck, letter)) return "";   // it had its ACK while coming in
    if (m_silencesLeft > 0) {
      --m_silencesLeft;
      return "";
    }
    if (m_naksLeft > 0) {
      --m_naksLeft;
      return "\x15";
    }
    m_silencesLeft = m_options.silences;
    m_naksLeft = m_options.naks;
    std::string fixed;
    if (FixedReply(frame, fixed)) return fixed;
    if (setting && Marked(m_options.forgotten, letter)) {   // acknowledged, and the old value kept
      InstrumentState forgetting = m_state;
      return AnswerFrame(forgetting, frame);
    }
    return AnswerFrame(m_state, frame);
  }

private:
  // The reply frame --reply gives for the query `frame` (STX '$' or '#', letter, ETX);
  // the payloads given for one letter answer its queries in turn.
  bool FixedReply(const std::string& frame, std::string& reply) {
    if (frame.size() != 4 || (frame[1] != '$' && frame[1] != '#')) return false;
    std::vector<const std::string*> given;
    for (const std::string& payload : m_options.replies)
      if (payload[0] == frame[2]) given.push_back(&payload);
    if (given.empty()) return false;
    int& turn = m_replyTurns[frame[2]];
    reply = "\x02" + *given[turn++ % given.size()] + "\x04";
    return true;
  }

  const SimOptions& m_options;
  InstrumentState& m_state;
  int m_naksLeft = 0;
  int m_silencesLeft = 0;
  std::string m_toDrop;   // the letters whose next setting frame is still to be lost
  std::map<char, int> m_replyTurns;   // the --reply payloads used so far, by letter
};

// The memory records the instrument holds, as it sends them, for a test to compare with.
bool WriteRecords(const std::string& path, int count) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const std::string records = SimulatedMemory(count);
  bool written = std::fwrite(records.data(), 1, records.size(), file) == records.size();
  return std::fclose(file) == 0 && written;
}

// The answer with the bytes --zero (a zero byte) and --byte (LETTER+POSITION=HEX)
// give for `letter` at the reply positions (0 is the STX) that the answer reaches.
std::string WithForeignBytes(const SimOptions& options, char letter, std::string answer) {
  std::vector<std::string> given = options.bytes;
  for (const std::string& zero : options.zeroed) given.push_back(zero + "=00");
  for (const std::string& each : given) {
    char* end = nullptr;
    const std::size_t position = std::strtoul(each.c_str() + 1, &end, 10);
    const char byte = static_cast<char>(*end == '=' ? std::strtoul(end + 1, nullptr, 16) : 0);
    if (each[0] == letter && position < answer.size()) answer[position] = byte;
  }
  return answer;
}

// An answer that never ends: the start of the frame, then more than the tool
// keeps of one frame, and no EOT.
std::string EndlessAnswer(char letter) { return "\x02" + std::string(1, letter) + std::string(30000, '0'); }

// The faults given for `letter` applied to its answer; `cutLetters` are the
// letters whose next answer is still to be cut once.
std::string WithFaults(const SimOptions& options, char letter, std::string answer, std::string& cutLetters) {
  answer = WithForeignBytes(options, letter, answer);
  if (Marked(options.endless, letter) && !answer.empty()) return EndlessAnswer(letter);
  const bool cutOnce = Marked(cutLetters, letter);
  if (cutOnce) cutLetters.erase(cutLetters.find(letter), 1);
  if (cutOnce || Marked(options.unplugged, letter) || Marked(options.cut, letter)) answer.resize(answer.size() / 2);
  if (Marked(options.slipped, letter) && answer.size() > 2) answer.insert(answer.size() / 2, 1, '#');
  if (answer.empty()) return answer;
  if (Marked(options.etx, letter) && answer.back() == '\x04') answer.insert(answer.size() - 1, 1, '\x03');
  if (Marked(options.second, letter) && answer.size() > 2) answer += answer.substr(0, answer.size() / 2) + "\x04";
  if (Marked(options.strayAck, letter)) answer += '\x06';
  if (Marked(options.strayNak, letter)) answer += '\x15';
  for (int i = 0; i < options.controlNoise; ++i) {
    // Outside a frame A, ETX and EOT are dropped; then a frame of junk that
    // holds every control byte, closed by EOT; and behind the answer a frame
    // that is never closed.
    answer = std::string("A\x03\x04\x02\x06\x15\x03\x02x\x04", 10) + answer + "\x02" "F\x03\x06\x15";
  }
  return answer;
}

int Serve(const SimOptions& options, const Pty& pty, FrameLog& log) {
  InstrumentState state = MakeInstrument(options.model, options.version, options.records);
  Responder responder(options, state);
  RequestReader reader;
  LineWriter writer(pty.master, options);
  std::string cutLetters = options.cutOnce;
  bool ackedOpen = false;   // the frame coming in had its early ACK
  int answered = 0;         // frames answered (or left unanswered by a fault) so far
  while (!g_stop) {
    pollfd pfd{pty.master, POLLIN, 0};
    int ready = poll(&pfd, 1, 200);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) {
      std::fprintf(stderr, "tavo_sim: poll: %s\n", std::strerror(errno));
      return 1;
    }
    if (ready == 0) continue;
    char buffer[512];
    ssize_t n = read(pty.master, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      std::fprintf(stderr, "tavo_sim: read: %s\n", n < 0 ? std::strerror(errno) : "end of line");
      return 1;
    }
    const std::vector<std::string> frames = reader.Feed(std::string(buffer, n));
    // A setting still coming in, its letter in: acknowledged too early, once.
    const std::string& open = reader.OpenFrame();
    if (open.size() < 2) {
      ackedOpen = false;
    } else if (!ackedOpen && IsSetting(open + "\x03") && Marked(options.earlyAck, open[1])) {
      ackedOpen = true;
      if (!writer.Send("\x06")) return 1;
    }
    for (const std::string& frame : frames) {
      log.Write(frame);
      if (options.muteAfter > 0 && answered >= options.muteAfter) continue;
      ++answered;
      const char letter = CommandLetter(frame);
      const bool unplug = Marked(options.unplugged, letter);
      const std::string answer = WithFaults(options, letter, responder.Answer(frame), cutLetters);
      const bool late = (options.lateLetters.empty() && options.lateAcks.empty()) ||
                        Marked(IsSetting(frame) ? options.lateAcks : options.lateLetters, letter);
      if (!answer.empty() && !writer.Send(answer, late)) return 1;
      if (unplug || (options.goneAfter > 0 && answered >= options.goneAfter)) {
        usleep(kUnplugPauseUs);
        return 0;
      }
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "tavo_sim: %s\nrun tavo_sim --help for the usage\n", error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  FrameLog log(options.logPath);
  if (log.IsBroken()) {
    std::fprintf(stderr, "tavo_sim: cannot write the log %s\n", options.logPath.c_str());
    return 2;
  }
  if (!options.recordsPath.empty() && !WriteRecords(options.recordsPath, options.records)) {
    std::fprintf(stderr, "tavo_sim: cannot write the records to %s\n", options.recordsPath.c_str());
    return 2;
  }
  Pty pty;
  if (!OpenPty(options.linkPath, pty, error)) {
    std::fprintf(stderr, "tavo_sim: %s\n", error.c_str());
    return 1;
  }
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  std::printf("%s\n", pty.slavePath.c_str());
  std::fflush(stdout);
  int result = Serve(options, pty, log);
  if (!options.linkPath.empty()) unlink(options.linkPath.c_str());
  return result;
}
