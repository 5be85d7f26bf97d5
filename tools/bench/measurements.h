// The measurements of the benchmark, each taken in one run of the tool (or
// of tavo-cli) against the simulator.
#pragma once
#include <string>

struct Measurement {
  std::string name;
  double value = 0;      // the ratio, or the figure named by `unit`
  std::string unit;      // "" for a plain ratio
  double target = 0;     // the value should stay below this
  std::string detail;    // how the value came about
};

// Each returns false, with the reason in `error`, when it could not be taken.
bool MeasureTab0Read(Measurement& result, std::string& error);
bool MeasureTab0Write(Measurement& result, std::string& error);
bool MeasureIdleCpu(Measurement& result, std::string& error);
bool MeasureDisconnectLatency(Measurement& result, std::string& error);
bool MeasureDownload(Measurement& result, std::string& error);
bool MeasureCliDownload(Measurement& result, std::string& error);
bool MeasureCliSeveralDownloads(Measurement& result, std::string& error);
bool MeasureCliMostDownloads(Measurement& result, std::string& error);
