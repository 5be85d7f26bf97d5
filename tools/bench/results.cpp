#include "results.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

std::string Number(double value, const char* format) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Machine() {
  utsname name{};
  uname(&name);
  std::time_t now = std::time(nullptr);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return std::string(date) + ", " + name.sysname + " " + name.machine + ", " +
         std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores";
}

}  // namespace

std::string ResultsText(const std::vector<Measurement>& results, const std::vector<std::string>& failures) {
  std::string text = "# Benchmark results\n\n";
  text += "Written by `tavo_bench` (tools/bench) on " + Machine() + ": the tool against the simulator, "
          "default timings (SleepTime 50 ms, SendDelay 500 ms, TimeOut 1000 ms, 9600 bit/s).\n\n";
  text += "| measurement | result | target | within | how |\n|---|---|---|---|---|\n";
  for (const Measurement& m : results) {
    const char* format = m.unit.empty() ? "%.4f" : "%.2f";
    const std::string unit = m.unit.empty() ? "" : " " + m.unit;
    text += "| " + m.name + " | " + Number(m.value, format) + unit + " | < " + Number(m.target, "%g") + unit +
            " | " + (m.value < m.target ? "yes" : "**no**") + " | " + m.detail + " |\n";
  }
  for (const std::string& failure : failures) text += "\nNot measured: " + failure + "\n";
  return text;
}
