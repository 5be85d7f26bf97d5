// Several instruments in one run: the ports a command serves (--port given
// several times, or --ports FILE), each served on a thread of its own with a
// link of its own, and what happened on each.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/exit_status.h"
#include "platform/clock.h"

// The ports of the command line: every --port, then the lines of --ports
// FILE (blank lines and '#' comments left out), in order. False after
// telling what is wrong: none at all, a file that cannot be read, a port
// named twice.
bool PortsOf(const Arguments& args, std::vector<std::string>& ports);

// Whether the command line names several ports: --ports FILE (however many
// ports it holds), or --port more than once. This alone decides the shape of
// the output: a part a port and a table, or with --json an array.
bool SeveralPorts(const Arguments& args);

// A command on one port.
using PortCommand = std::function<ExitStatus(const Arguments& args, const std::string& port)>;

// Serves the ports of the command line with `run`. One port (not
// SeveralPorts): as it is.
// Several: side by side, each on a thread of its own; when all have ended,
// each port's output in the order given (its standard output after a line
// "== PORT", its messages on standard error naming the port), then a table
// of port, exit status and what happened, or with --json one JSON array
// instead of all that. The exit status is the worst (the highest) of them.
ExitStatus ForEachPort(const Arguments& args, const PortCommand& run);

// `port` as part of a file name: its last path component, each character
// other than a letter, a digit, '-', '_' or '.' as '_', and a '_' in front
// of a name that would be empty or start with '.'.
std::string FileNameOf(const std::string& port);
// `pattern` with each "{port}" replaced by FileNameOf(port).
std::string WithPort(const std::string& pattern, const std::string& port);
// Whether the ports write files of their own by `pattern` (WithPort): none
// the same file as another, also through a link. False after telling why not.
bool DistinctFiles(const std::string& pattern, const std::vector<std::string>& ports);
// `pattern` with each "{date}" replaced by the date of `day` as YYYY-MM-DD.
std::string WithDate(const std::string& pattern, const plat::LocalTime& day);
// Whether every {NAME} in `pattern` (a name of letters, digits and '_') is
// {port} or {date}; false, with the message in `error`, for one that is not
// ({Date}, {time}), which would otherwise stay in the file's name.
bool KnownPlaceholders(const std::string& pattern, std::string& error);

// The JSON output of a run that failed before its ports were served (bad
// usage, a bad settings or ports file), in the shape the command line asks
// for: over one port an object with "status", "failure" and "reason"; over
// several an array of one such object a port (PortRunJson), port null when
// the ports could not be had.
std::string FailureJson(const Arguments& args, ExitStatus status, const std::string& reason);
