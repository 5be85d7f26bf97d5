// tavo-cli: the instrument from the command line, with the same code as
// TAVO.exe. Data on standard output, messages on standard error; the exit
// status tells a script what happened (cli/exit_status.h).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "platform/console.h"

namespace {

struct Command {
  const char* name;
  ExitStatus (*run)(const Arguments&);
  bool needsPort;
  std::vector<KnownOption> options;
  const char* usage;
};

const KnownOption kPort{"--port", true}, kPorts{"--ports", true}, kIni{"--ini", true}, kJson{"--json", false},
    kHelp{"--help", false};

#define SEVERAL_PORTS                                                             \
  "--port may be given several times, or --ports FILE name a file of ports, one\n" \
  "a line: the instruments are served side by side, each port's output follows\n"  \
  "in the order given, then a table of what happened on each; the exit status is\n" \
  "the worst of them.\n"

const Command kCommands[] = {
    {"ports", RunPorts, false, {kIni, kJson, kHelp, {"--probe", false}},
     "usage: tavo-cli ports [--probe] [--json] [--ini FILE]\n\n"
     "Lists the serial ports, one a line, with what the system knows of each: on Linux\n"
     "the /dev/serial/by-id name and the USB ids, maker, product and serial number; on\n"
     "Windows the device's name. --probe also asks each port, all at once, which\n"
     "instrument answers there (model and version).\n"},
    {"info", RunInfo, true, {kPort, kPorts, kIni, kJson, kHelp},
     "usage: tavo-cli info --port P... [--ports FILE] [--ini FILE] [--json]\n\n"
     "Identifies the instrument: model name, firmware version, IoT unit or not.\n" SEVERAL_PORTS},
    {"read", RunRead, true, {kPort, kIni, kJson, kHelp, {"--maker", false}},
     "usage: tavo-cli read --port P [--maker] [--ini FILE] [--json]\n\n"
     "Reads the instrument's settings (with --maker also the humidity display limit\n"
     "and the model code) and prints them as a settings file, followed by the\n"
     "clock, the model, the version and the measurement as information.\n"},
    {"apply", RunApply, true, {kPort, kPorts, kIni, kHelp, {"--dry-run", false}, {"--verify", false}},
     "usage: tavo-cli apply FILE --port P... [--ports FILE] [--verify | --dry-run] [--ini FILE]\n\n"
     "Checks every value of the settings FILE, reads the instrument, and writes the\n"
     "setting groups that differ, in the order and with the resends of TAVO.exe,\n"
     "a line per group. --verify reads the settings back afterwards and names each\n"
     "one the instrument does not hold (exit status 1). --dry-run prints the frames\n"
     "it would send and sends none.\n" SEVERAL_PORTS},
    {"diff", RunDiff, true, {kPort, kPorts, kIni, kHelp},
     "usage: tavo-cli diff FILE --port P... [--ports FILE] [--ini FILE]\n\n"
     "Compares the instrument's settings with the settings FILE and writes nothing:\n"
     "a line per setting that differs. Exit status 0 when none does, 1 when some do.\n" SEVERAL_PORTS},
    {"clock", RunClock, true, {kPort, kPorts, kIni, kJson, kHelp, {"--set", true}},
     "usage: tavo-cli clock --port P... [--ports FILE] [--set now|\"YYYY-MM-DD hh:mm:ss\"] [--ini FILE] [--json]\n\n"
     "Prints the instrument's clock and how far it is from this computer's;\n"
     "--set sets it first.\n" SEVERAL_PORTS},
    {"download", RunDownload, true, {kPort, kPorts, kIni, kHelp, {"-o", true}, {"--crlf", false}},
     "usage: tavo-cli download --port P... [--ports FILE] -o FILE [--crlf] [--ini FILE]\n\n"
     "Downloads the records in the instrument's memory into the CSV file FILE,\n"
     "byte for byte as TAVO.exe writes it (each record's line ends in CR; with\n"
     "--crlf in CR LF). The file appears only when complete. {port} in FILE stands\n"
     "for the port's name made fit for a file name (-o 'records-{port}.csv'); with\n"
     "several ports it is needed, and no two ports may write the same file.\n" SEVERAL_PORTS},
    {"monitor", RunMonitor, true, {kPort, kIni, kHelp, {"--interval", true}, {"--count", true}, {"-o", true}},
     "usage: tavo-cli monitor --port P [--interval S] [--count N] [-o FILE] [--ini FILE]\n\n"
     "Prints the measurement every S seconds (default 10): time, TAVO indoor and\n"
     "outdoor, Ta, RH, tg and the heat-stress level of the indoor TAVO. -o appends\n"
     "the same to a CSV file; --count stops after N answers; Ctrl-C ends it.\n"},
};

const char kUsage[] =
    "usage: tavo-cli <command> [options]\n\n"
    "The settings tool of the TAVO-400 series from the command line.\n\n"
    "commands:\n"
    "  ports       the serial ports, what the system knows of them, who answers there\n"
    "  info        model name, firmware version, IoT unit or not\n"
    "  read        the settings (and the measurement) as a settings file\n"
    "  apply       write the settings of a file that differ from the instrument's\n"
    "  diff        the settings of a file that differ from the instrument's; no writes\n"
    "  clock       the instrument's clock and its drift; set it\n"
    "  download    the memory records into a CSV file\n"
    "  monitor     the measurement every few seconds\n\n"
    "Line settings and timings come from TAVO.ini in the current directory, or\n"
    "from the file --ini names. info, apply, diff, clock and download take --port\n"
    "several times and serve the instruments side by side. Run\n"
    "tavo-cli <command> --help for a command's options.\n"
    "Exit status: 0 success, 1 the instrument did not answer or refused, 2 bad\n"
    "usage or a bad settings file, 3 the port could not be opened; over several\n"
    "ports the worst of theirs.\n";

const Command* FindCommand(const char* name) {
  for (const Command& command : kCommands)
    if (std::strcmp(name, command.name) == 0) return &command;
  return nullptr;
}

int Usage(const std::string& error, const char* usage) {
  PrintError(plat::FromArgument(error));   // it quotes the arguments
  std::fputs(usage, stderr);
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("no command given", kUsage);
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  const Command* command = FindCommand(argv[1]);
  if (!command) return Usage(std::string("unknown command ") + argv[1], kUsage);
  Arguments args;
  args.command = command->name;
  std::string error;
  if (!ParseArguments(argc, argv, 2, command->options, args, error)) return Usage(error, command->usage);
  if (args.Has("--help")) {
    std::fputs(command->usage, stdout);
    return kExitOk;
  }
  if (command->needsPort && !args.Has("--port") && !args.Has("--ports"))
    return Usage("--port is needed", command->usage);
  const bool severalPorts = std::any_of(command->options.begin(), command->options.end(),
                                       [](const KnownOption& o) { return std::strcmp(o.name, "--ports") == 0; });
  if (!severalPorts && args.Values("--port").size() > 1) return Usage("--port given more than once", command->usage);
  if (command->name != std::string("apply") && command->name != std::string("diff") && !args.operands.empty())
    return Usage("unexpected " + args.operands[0], command->usage);
  return command->run(args);
}
