// The benchmark: runs the measurements and writes the results file.
//   tavo_bench [RESULTS_FILE]   (default: bench-results.md in the current directory)
// It reports and never asserts: exit status 0 unless a measurement could not be taken.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "measurements.h"
#include "results.h"

namespace {

using Measure = bool (*)(Measurement&, std::string&);

const Measure kMeasures[] = {&MeasureTab0Read, &MeasureTab0Write, &MeasureIdleCpu, &MeasureDisconnectLatency,
                             &MeasureDownload, &MeasureCliDownload, &MeasureCliSeveralDownloads,
                             &MeasureCliMostDownloads};

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out =
      std::filesystem::absolute(argc > 1 ? argv[1] : "bench-results.md");   // before any change of directory
  std::vector<Measurement> results;
  std::vector<std::string> failures;
  for (Measure measure : kMeasures) {
    Measurement result;
    std::string error;
    if (measure(result, error)) {
      results.push_back(result);
    } else {
      failures.push_back(error);
    }
  }
  const std::string text = ResultsText(results, failures);
  std::fputs(text.c_str(), stdout);
  std::ofstream file(out, std::ios::binary);
  file << text;
  if (!file.flush()) {
    std::fprintf(stderr, "tavo_bench: cannot write %s\n", out.c_str());
    return 1;
  }
  return failures.empty() ? 0 : 1;
}
