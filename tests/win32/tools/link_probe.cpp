// Under Wine, on a COM port that leads to the instrument simulator: the port's
// contract (read time-out, writes beside a waiting read, prompt close,
// exclusive open), then a version query through the link. Prints one line per
// check; exit code 0 when all passed.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "link/frames.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

namespace {

int g_failures = 0;

void Check(bool ok, const char* what, unsigned long long ms = 0) {
  std::printf("%s %s (%llu ms)\n", ok ? "ok  " : "FAIL", what, ms);
  if (!ok) ++g_failures;
}

const plat::LineSettings k9600{9600, 0, 0, 8};

void CheckPort(const std::string& name) {
  plat::SerialPort port;
  if (!port.Open(name, k9600)) return Check(false, "the port opens");
  {
    // Windows keeps a COM port to one handle; Wine 8 does not, so this is only reported.
    plat::SerialPort second;
    std::printf("note a second open of the port %s\n", second.Open(name, k9600) ? "succeeds (Wine)" : "fails");
  }

  std::uint8_t byte;
  auto start = plat::MonotonicMs();
  plat::ReadResult read = port.ReadByte(byte);
  auto elapsed = plat::MonotonicMs() - start;
  Check(read == plat::ReadResult::Empty && elapsed >= 100 && elapsed < 5000, "an empty read waits about 200 ms", elapsed);
  if (read != plat::ReadResult::Empty) std::printf("     the read gave %s\n", read == plat::ReadResult::Byte ? "a byte" : "a failure");

  std::atomic<bool> stop{false};
  std::thread reader([&] {
    std::uint8_t b;
    while (!stop && port.ReadByte(b) != plat::ReadResult::Failed) {}
  });
  plat::SleepMs(50);
  bool written = true;
  start = plat::MonotonicMs();
  for (int i = 0; i < 10; ++i) written = written && port.WriteByte(0x30) == plat::WriteResult::Written;
  elapsed = plat::MonotonicMs() - start;
  Check(written && elapsed < 2000, "ten writes beside a waiting read take no read time-outs", elapsed);

  plat::SleepMs(50);
  start = plat::MonotonicMs();
  port.Close();
  elapsed = plat::MonotonicMs() - start;
  stop = true;
  reader.join();
  Check(elapsed < 150, "close ends a waiting read at once", elapsed);
}

void CheckVersionQuery(const std::string& name) {
  CSerial link;
  if (!link.Open(name.c_str())) return Check(false, "the link opens");
  auto start = plat::MonotonicMs();
  QueryOutcome outcome = RunQuery(link, SettingFrame("#v", ""), 'v');
  auto elapsed = plat::MonotonicMs() - start;
  std::string reply;
  {
    plat::LockGuard guard(link.ReplyLock());
    reply.assign(reinterpret_cast<const char*>(link.ReplyBuffer()), link.ReplyLength());
  }
  Check(outcome == QueryOutcome::Replied && reply.compare(0, 11, "\x02vTAVO-420B") == 0,
        "the version query is answered", elapsed);
  link.Close();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: link_probe COMn\n");
    return 2;
  }
  CheckPort(argv[1]);
  CheckVersionQuery(argv[1]);
  return g_failures == 0 ? 0 : 1;
}
