// How much tavo-cli says besides its data, as the global options --quiet and
// --verbose ask: notes (a setting left out, the download's progress) are
// dropped with --quiet; --verbose adds a line per frame on the line.
#pragma once
#include <string>

void SetQuiet(bool quiet);
bool Quiet();
void SetVerbose(bool verbose);
bool Verbose();

// Prints `text` (in the program's code page) on standard error, prefixed
// with "tavo-cli: ", unless --quiet was given.
void PrintNote(const std::string& text);
