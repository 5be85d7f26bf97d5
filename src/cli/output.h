// What tavo-cli prints: its data on standard output, its messages on standard
// error, each port's output kept whole while several are served side by side,
// and how much it says besides its data, as the global options --quiet and
// --verbose ask: notes (a setting left out, the download's progress) are
// dropped with --quiet; --verbose adds a line per frame on the line.
#pragma once
#include <string>

#include "cli/exit_status.h"

void SetQuiet(bool quiet);
bool Quiet();
void SetVerbose(bool verbose);
bool Verbose();

// Prints `text` (in the program's code page) on standard error, prefixed
// with "tavo-cli: ", unless --quiet was given.
void PrintNote(const std::string& text);

// Prints `text` (in the program's code page) on standard error, prefixed
// with "tavo-cli: ". A `note` is no error: it is not what a port's table row tells.
void PrintError(const std::string& text, bool note = false);
// `text` in the quotes of the system's command shell, as an example in a
// message: 'x-{port}.csv', on Windows "x-{port}.csv".
std::string ShellQuoted(const std::string& text);

// Prints `text` on standard output, in the terminal's encoding when it is one.
// A write that fails (a full disk, a closed pipe) ends nothing: the run goes
// on, and CheckStandardOutput tells it at the end.
void PrintOut(const std::string& text);

// True once a write to standard output failed.
bool StandardOutputFailed();

// At the end of a run: flushes standard output and, when anything written
// to it failed, tells why ("cannot write standard output: ...") and returns
// the worse of `status` and kExitFile; else `status`.
ExitStatus CheckStandardOutput(ExitStatus status);

// The output of the port a thread serves when several are served side by
// side: while one lives on a thread, PrintOut and PrintError of that thread
// add to it instead of printing (the error lines naming the port), so that
// each port's output can be printed whole afterwards.
struct CapturedOutput {
  explicit CapturedOutput(const std::string& port);
  ~CapturedOutput();
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;

  std::string port;
  std::string out;
  std::string err;          // whole lines, "tavo-cli: PORT: ..."
  std::string firstError;   // the first error message (not a note), as given
  std::string reason;       // why the port failed, when SetReason said it better than the first error
  std::string outcome;      // what happened, in a few words (NoteOutcome)
};
// True while this thread's output is captured.
bool Capturing();
// The words that name `port` in a message about it: "PORT: " before the
// message, " on PORT" after "instrument"; none while this thread's output is
// captured, whose lines name their port already.
std::string PortFirst(const std::string& port);
std::string OnPort(const std::string& port);
// What happened on this thread's port, in a few words, for the table after
// several ports (ignored for one port).
void NoteOutcome(const std::string& text);

// Why this thread's run failed, in place of its first error message: the
// system's reason a port could not be opened, say, rather than TAVO.exe's
// "COMポートオープンに失敗しました。". Goes into the JSON output's "reason".
void SetReason(const std::string& text);
// While `into` is not null, what the main thread prints on standard output
// goes into it instead (the JSON output is made whole at the end); null
// prints again.
void CaptureStandardOutput(std::string* into);
// Why the main thread's run failed: what SetReason said, else its first error
// message (not a note), else empty.
std::string FailureReason();
