// Runs a command in a console of its own and presses Ctrl-C there once FILE
// holds TEXT, as a user would in a command prompt; the command's output goes
// where this program's goes.
//   ctrl_c.exe FILE TEXT COMMAND-LINE
// Exit code: the command's; 2 when it could not start, 3 when TEXT never came.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool FileHolds(const char* path, const char* text) {
  FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  std::string bytes;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
  std::fclose(file);
  return bytes.find(text) != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE), out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
  FreeConsole();
  if (!AllocConsole()) std::fprintf(stderr, "ctrl_c: AllocConsole failed (%lu)\n", GetLastError());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process = {};
  std::string command = argv[3];
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "ctrl_c: cannot start %s (%lu)\n", argv[3], GetLastError());
    return 2;
  }
  SetConsoleCtrlHandler(nullptr, TRUE);   // after the start, which would inherit it: the Ctrl-C is for the command
  int waited = 0;
  for (; waited < 400 && !FileHolds(argv[1], argv[2]); ++waited) Sleep(50);
  if (waited < 400 && !GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0))
    std::fprintf(stderr, "ctrl_c: GenerateConsoleCtrlEvent failed (%lu)\n", GetLastError());
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 3;
  if (waited < 400) GetExitCodeProcess(process.hProcess, &code);
  return static_cast<int>(code);
}
