// tavo-cli: the instrument from the command line, with the same code as
// TAVO.exe. Data on standard output, messages on standard error; the exit
// status tells a script what happened (cli/exit_status.h). The command line
// is parsed by CLI11 from the table of commands below.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/ini_check.h"
#include "cli/input_file.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/several_ports.h"
#include "platform/console.h"
#include "platform/files.h"
#include "res/version.h"

namespace {

struct OptionRule {
  const char* names;       // as CLI11 takes them: "-o", "--count"
  const char* help;
  const char* valueName;   // null for a flag
  long long low = 0, high = -1;   // the range of a number, when high >= low
  std::vector<std::string> choices = {};   // the values it takes, when not empty
};

struct Command {
  const char* name;
  ExitStatus (*run)(const Arguments&);
  bool needsPort;
  const char* summary;
  const char* description;
  std::vector<OptionRule> options;
  const char* operand;   // the name of its one operand, or null
};

const char kOutputHelp[] = "the file to write; - for standard output";

#define SEVERAL_PORTS                                                             \
  "\n--port may be given several times, or --ports FILE name a file of ports, one\n" \
  "a line: the instruments are served side by side, each port's output follows\n"  \
  "in the order given, then a table of what happened on each; the exit status is\n" \
  "the worst of them."

// The commands that serve several ports in one run.
const char* const kSeveralPorts[] = {"info", "read", "apply", "diff", "clock", "download"};

// The commands of kSeveralPorts, as a sentence names them ("info, read and apply").
std::string SeveralPortCommands() {
  std::string names;
  const std::size_t count = std::size(kSeveralPorts);
  for (std::size_t i = 0; i < count; ++i)
    names += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + std::string(kSeveralPorts[i]);
  return names;
}

// A command's description quotes its examples in `, each given as the
// system's command shell quotes (ForShell).
const Command kCommands[] = {
    {"ports", RunPorts, false, "the serial ports, what the system knows of them, who answers there",
     "Lists the serial ports, one a line, with what the system knows of each: on Linux\n"
     "the /dev/serial/by-id name and the USB ids, maker, product and serial number; on\n"
     "Windows the device's name. --probe also asks each port, all at once, which\n"
     "instrument answers there (model and version).",
     {{"--probe", "ask each port who answers there", nullptr}}, nullptr},
    {"info", RunInfo, true, "model name, firmware version, IoT unit or not",
     "Identifies the instrument: model name, firmware version, IoT unit or not." SEVERAL_PORTS, {}, nullptr},
    {"read", RunRead, true, "the settings (and the measurement) as a settings file",
     "Reads the instrument's settings (with --maker also the humidity display limit\n"
     "and the model code) and prints them as a settings file, followed by the\n"
     "clock, the model, the version and the measurement as information. -o writes\n"
     "them into FILE instead, which appears only when complete; {port} in FILE\n"
     "stands for the port's name (-o `settings-{port}.txt`; needed with several\n"
     "ports), {date} for the date the run starts." SEVERAL_PORTS,
     {{"--maker", "also the maker settings", nullptr}, {"-o", kOutputHelp, "FILE"}}, nullptr},
    {"apply", RunApply, true, "write the settings of a file that differ from the instrument's",
     "Checks the whole settings FILE, reads the instrument, and writes the setting\n"
     "groups that differ, in the order and with the resends of TAVO.exe, a line per\n"
     "group: written, refused, sent, not acknowledged (sent whole, but the port went\n"
     "or the run was stopped before its acknowledgement), or not sent. The maker\n"
     "settings (humidity_limit, model_code) only with --maker, and then only to an\n"
     "instrument of the model the file was read from, unless --force. --dry-run\n"
     "prints the frames it would send and sends none. --verify reads the settings\n"
     "back afterwards and names each one the instrument does not hold (exit\n"
     "status 1). Ctrl-C (SIGTERM, SIGHUP) stops it after the group on the line." SEVERAL_PORTS,
     {{"--dry-run", "print the frames instead of sending them", nullptr},
      {"--verify", "read the settings back and compare", nullptr},
      {"--maker", "write the maker settings too", nullptr},
      {"--force", "with --maker: write to an instrument of another model too", nullptr}},
     "FILE"},
    {"diff", RunDiff, true, "the settings of a file that differ from the instrument's; no writes",
     "Compares the instrument's settings with the settings FILE and writes nothing:\n"
     "a line per setting that differs (the maker settings only with --maker). Exit\n"
     "status 0 when none does, 5 when some do." SEVERAL_PORTS,
     {{"--maker", "compare the maker settings too", nullptr}}, "FILE"},
    {"clock", RunClock, true, "the instrument's clock and its drift; set it",
     "Prints the instrument's clock and how far it is from this computer's;\n"
     "--set sets it first (now: to this computer's clock)." SEVERAL_PORTS,
     {{"--set", "now, or \"YYYY-MM-DD hh:mm:ss\"", "TIME"}}, nullptr},
    {"download", RunDownload, true, "the memory records into a CSV file",
     "Downloads the records in the instrument's memory into the CSV file FILE,\n"
     "byte for byte as TAVO.exe writes it (each record's line ends in CR; with\n"
     "--crlf in CR LF). The file appears only when complete. {port} in FILE stands\n"
     "for the port's name made fit for a file name (-o `records-{port}.csv`); with\n"
     "several ports it is needed, and no two ports may write the same file. {date}\n"
     "stands for the date the run starts, YYYY-MM-DD (-o `memory-{date}.csv`)." SEVERAL_PORTS,
     {{"-o", kOutputHelp, "FILE"}, {"--crlf", "end each line in CR LF", nullptr}}, nullptr},
    {"monitor", RunMonitor, true, "the measurement every few seconds",
     "Prints the measurement every S seconds (default 10): time, TAVO indoor and\n"
     "outdoor, Ta, RH, tg and the heat-stress level of the indoor TAVO (a value that\n"
     "is no number as -). -o appends the same to a CSV file; --json prints an object\n"
     "per sample; --count stops after N answers; Ctrl-C ends it. A port that\n"
     "vanishes is opened again every period.",
     {{"--interval", "seconds from one sample to the next", "S", 1, 86400},
      {"--count", "stop after N answers (0: never)", "N", 0, 1000000000},
      {"-o", "append to this CSV file; - for standard output", "FILE"},
      {"--encoding", "of the CSV file: utf-8 (with a byte order mark) or cp932", "ENC", 0, -1, {"utf-8", "cp932"}}},
     nullptr},
};
#undef SEVERAL_PORTS

const char kFooter[] =
    "Line settings and timings come from TAVO.ini in the current directory, or\n"
    "from the file --ini names. TAVO_PORT is the port when --port is not given.\n"
    "info, read, apply, diff, clock and download take --port several times, or\n"
    "--ports FILE, and serve the instruments side by side.\n"
    "Exit status: 0 success, 1 the instrument did not answer or refused, 2 bad\n"
    "usage or a bad settings or INI file, 3 the port could not be opened, 4 a file\n"
    "to write, or standard output, could not be written, 5 diff found settings that\n"
    "differ, 130, 143 and 129 ended by Ctrl-C, SIGTERM or SIGHUP (apply after the\n"
    "group on the line; over several ports every command at each port's next safe\n"
    "point, no frame cut, with its table). Over several ports the worst of theirs\n"
    "(a failure is worse than 5).";

const char kSubFooter[] =
    "Global options, before or after the command: --port PORT (or TAVO_PORT),\n"
    "--ports FILE, --ini FILE, --json, -q/--quiet, -v/--verbose: see\n"
    "tavo-cli --help.";

const Command* FindCommand(const std::string& name);

// The usage line first, then what it does; the list of commands by their summaries.
class HelpFormatter : public CLI::Formatter {
public:
  HelpFormatter() { label("SUBCOMMAND", "COMMAND"); }
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override {
    if (mode == CLI::AppFormatMode::Sub) return make_expanded(app);
    return make_usage(app, name) + "\n" + make_description(app) + make_positionals(app) + make_groups(app, mode) +
           make_subcommands(app, mode) + "\n" + make_footer(app);
  }
  std::string make_subcommand(const CLI::App* sub) const override {
    const Command* command = FindCommand(sub->get_name());
    std::stringstream out;
    CLI::detail::format_help(out, sub->get_name(), command ? command->summary : sub->get_description(),
                             column_width_);
    return out.str();
  }
};

std::string VersionText() { return std::string("tavo-cli ") + TAVO_VERSION_TEXT; }

// The options every command takes, before or after the command's name.
void AddGlobalOptions(CLI::App& app) {
  app.add_option("--port", "the port: a name tavo-cli ports lists, or a device; several for several instruments")
      ->type_name("PORT")
      ->envname("TAVO_PORT")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_option("--ports", "the ports named in FILE, one a line")->type_name("FILE");
  app.add_option("--ini", "line settings and timings from FILE instead of TAVO.ini")->type_name("FILE");
  app.add_flag("--json", "print the result as JSON");
  app.add_flag("-q,--quiet", "no notes and no progress, only data and errors");
  app.add_flag("-v,--verbose", "print each frame sent and received, with its time, on standard error");
}

// `text` with each ` as the quote of the system's command shell.
std::string ForShell(std::string text) {
  std::replace(text.begin(), text.end(), '`', plat::ShellQuote());
  return text;
}

void AddCommand(CLI::App& app, const Command& command) {
  CLI::App* sub = app.add_subcommand(command.name, ForShell(command.description))->group("commands");
  sub->footer(kSubFooter);
  for (const OptionRule& rule : command.options) {
    CLI::Option* option = rule.valueName ? sub->add_option(rule.names, rule.help)->type_name(rule.valueName)
                                         : sub->add_flag(rule.names, rule.help);
    if (rule.high >= rule.low) option->check(CLI::Range(rule.low, rule.high));
    if (!rule.choices.empty()) option->check(CLI::IsMember(rule.choices));
  }
  if (command.operand) sub->add_option(command.operand, "the settings file")->required();
}

// The options given on `app` into `args`, each by the first name its usage shows.
void Collect(const CLI::App& app, Arguments& args) {
  for (const CLI::Option* option : app.get_options()) {
    if (option->count() == 0) continue;
    if (option->get_positional()) {
      args.operands.insert(args.operands.end(), option->results().begin(), option->results().end());
    } else if (option->get_expected_min() == 0) {
      args.flags.push_back(option->get_name());
    } else {
      args.values[option->get_name()] = option->results().back();
      args.lists[option->get_name()] = option->results();
    }
  }
}

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands)
    if (name == command.name) return &command;
  return nullptr;
}

// What went wrong on the command line, in the tool's own words: what
// is unknown named, what is missing called needed.
std::string ParseMessage(const CLI::ParseError& error, const CLI::App& app) {
  const std::vector<std::string> left = app.remaining(true);
  const bool anyChosen = !app.get_subcommands().empty();
  if (!left.empty() && (!anyChosen || dynamic_cast<const CLI::ExtrasError*>(&error))) {
    const std::string& first = left.front();
    if (first.size() > 1 && first[0] == '-') return "unknown option " + first;
    return anyChosen ? "unexpected argument " + first : "unknown command " + first;
  }
  if (!anyChosen && dynamic_cast<const CLI::RequiredError*>(&error)) return "a command is needed";
  std::string text = error.what();
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) return text.substr(0, text.find(':')) + " needs a value";
  for (const auto& [theirs, ours] : {std::pair<std::string, std::string>{" is required", " is needed"},
                                     {": Value ", ": "}, {" not in range ", " is not in the range "},
                                     {" not in {", " is not one of {"}}) {
    if (size_t at = text.find(theirs); at != std::string::npos) text.replace(at, theirs.size(), ours);
  }
  return text;
}

int UsageError(const std::string& error, const std::string& helpCommand) {
  PrintError(plat::FromArgument(error));   // it quotes the arguments
  std::fprintf(stderr, "run %s for the usage\n", helpCommand.c_str());
  return kExitUsage;
}

// help [COMMAND]: the usage of tavo-cli, or of the command.
int ShowHelp(CLI::App& app, CLI::App& help) {
  const CLI::Option* command = help.get_option("COMMAND");
  const std::string name = command->count() ? command->results()[0] : "";
  if (!name.empty() && !FindCommand(name)) return UsageError("unknown command " + name, "tavo-cli --help");
  // Not app.help(), which would show the help command's own usage, help being the command chosen.
  const std::string text = name.empty() ? app.get_formatter()->make_help(&app, "tavo-cli", CLI::AppFormatMode::Normal)
                                        : app.get_subcommand(name)->help("tavo-cli");
  std::fputs(text.c_str(), stdout);
  return kExitOk;
}

// The ports of a command line that could not be parsed, as far as they can be
// seen: every value of --port and --ports.
Arguments PortsOfArgv(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    for (const char* name : {"--port", "--ports"}) {
      const std::string prefix = std::string(name) + "=";
      std::string value;
      if (arg == name && i + 1 < argc) value = argv[i + 1];
      else if (arg.rfind(prefix, 0) == 0) value = arg.substr(prefix.size());
      else continue;
      args.values[name] = value;
      args.lists[name].push_back(value);
    }
  }
  return args;
}

// What --json prints for a run that printed `printed`: the JSON of one port
// as its command printed it, with the failure's fields when it failed; over
// several ports the array; for ports the array of ports. One JSON document
// on one line, also when the run failed before printing any.
std::string JsonOutput(const std::string& command, const Arguments& args, const std::string& printed,
                       ExitStatus status) {
  const nlohmann::ordered_json value = PrintedJson(printed);
  if (command == "ports") {
    if (value.is_array()) return JsonLine(value);
    nlohmann::ordered_json failure = {{"port", nullptr}};
    failure.update(PrintedJson(OnePortJson("", status, FailureReason())));
    return JsonLine(nlohmann::ordered_json::array({failure}));
  }
  if (SeveralPorts(args)) return value.is_array() ? JsonLine(value) : FailureJson(args, status, FailureReason());
  return OnePortJson(printed, status, FailureReason());
}

// Runs the command whose arguments `args` are, after the checks every command
// shares; its exit status.
ExitStatus Run(const Command& command, const Arguments& args) {
  SetQuiet(args.Has("--quiet"));
  SetVerbose(args.Has("--verbose"));
  if (std::string error; args.Has("--ini") && !CheckInputFile(args.Value("--ini"), error)) {
    PrintError(error);
    return kExitUsage;
  }
  // The line settings of a command that opens a port, checked before any is opened.
  if ((command.needsPort || args.Has("--probe")) && !CheckCommValues(args.Value("--ini"))) return kExitUsage;
  if (std::string error; args.Has("-o") && !KnownPlaceholders(args.Value("-o"), error))
    return static_cast<ExitStatus>(UsageError(error, "tavo-cli help " + args.command));
  if (command.needsPort && args.Value("--port").empty() && !args.Has("--ports"))
    return static_cast<ExitStatus>(UsageError("--port (or TAVO_PORT) is needed", "tavo-cli help " + args.command));
  const bool several = std::any_of(std::begin(kSeveralPorts), std::end(kSeveralPorts),
                                   [&command](const char* name) { return command.name == std::string(name); });
  if (!several && (args.Values("--port").size() > 1 || args.Has("--ports")))
    return static_cast<ExitStatus>(UsageError(
        args.command + " serves one port: " +
            (args.Has("--ports") ? "--ports is for " + SeveralPortCommands() : "--port given more than once"),
        "tavo-cli help " + args.command));
  return command.run(args);
}

}  // namespace

// The run of the command line; its exit status.
static int RunCommandLine(int argc, char** argv) {
  // --json anywhere asks for JSON, also of a command line that cannot be parsed.
  const bool json = std::any_of(argv + 1, argv + argc, [](const char* arg) { return std::string(arg) == "--json"; });
  CLI::App app("The settings tool of the TAVO-400 series from the command line.", "tavo-cli");
  app.set_version_flag("--version", VersionText());
  app.footer(kFooter);
  app.formatter(std::make_shared<HelpFormatter>());
  app.fallthrough();   // the global options after the command too
  app.require_subcommand(1);
  AddGlobalOptions(app);
  for (const Command& command : kCommands) AddCommand(app, command);
  app.add_subcommand("version", "this program's version")->group("commands");
  CLI::App* help = app.add_subcommand("help", "the usage of tavo-cli, or of one command")->group("commands");
  help->add_option("COMMAND", "the command");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --version through PrintOut, so that a failure to write it is told with its reason.
    if (dynamic_cast<const CLI::CallForVersion*>(&e)) {
      PrintOut(VersionText() + "\n");
      return kExitOk;
    }
    if (e.get_exit_code() == 0) return app.exit(e);   // --help
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    const int status = UsageError(ParseMessage(e, app), chosen.empty() ? "tavo-cli --help"
                                                         : "tavo-cli help " + chosen.front()->get_name());
    if (json) PrintOut(FailureJson(PortsOfArgv(argc, argv), kExitUsage, FailureReason()));
    return status;
  }
  CLI::App* sub = app.get_subcommands().front();
  if (sub->get_name() == "version") {
    std::printf(json ? "{\"version\":\"%s\"}\n" : "tavo-cli %s\n", TAVO_VERSION_TEXT);
    return kExitOk;
  }
  if (sub == help && json) {
    UsageError("help has no JSON form: --json is for the commands", "tavo-cli --help");
    PrintOut(OnePortJson("", kExitUsage, FailureReason()));
    return kExitUsage;
  }
  if (sub == help) return ShowHelp(app, *help);
  const Command& command = *FindCommand(sub->get_name());
  Arguments args;
  args.command = command.name;
  Collect(app, args);
  Collect(*sub, args);
  plat::TakeBackslashAsSeparator(false);   // a name the user gives is the system's own: on Linux 'a\b' is one name
  // monitor prints an object a sample as it goes, and a failure as a last one.
  if (!json || args.command == "monitor") {
    const ExitStatus status = Run(command, args);
    if (json && IsFailure(status)) PrintOut(OnePortJson("", status, FailureReason()));
    return status;
  }
  std::string printed;
  CaptureStandardOutput(&printed);
  const ExitStatus status = Run(command, args);
  CaptureStandardOutput(nullptr);
  PrintOut(JsonOutput(args.command, args, printed, status));
  return status;
}

int main(int argc, char** argv) {
  // A closed pipe fails the writes to standard output, told at the end (status
  // 4), and never ends a run in the middle of writing to instruments.
  plat::IgnoreClosedPipes();
  return CheckStandardOutput(static_cast<ExitStatus>(RunCommandLine(argc, argv)));
}
