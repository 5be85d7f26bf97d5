// The instrument simulator as a child process of a test.
#pragma once
#include <string>
#include <vector>

class SimProcess {
public:
  // Starts the simulator with `args`; Device() is empty when it did not start.
  // It ends with this object, and at the latest with the thread that made it
  // (also when the program crashes).
  explicit SimProcess(const std::vector<std::string>& args);
  ~SimProcess();   // ends it and waits for it
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& Device() const { return m_device; }

private:
  int m_pid = -1;
  std::string m_device;
};

// `program` followed by `args`, as posix_spawn takes them: `storage` keeps
// the strings, the result points into it and ends with a null.
std::vector<char*> SpawnArgv(const char* program, const std::vector<std::string>& args,
                             std::vector<std::string>& storage);
