// One record (line) of a log file: reserved fields (always zero), the record's number in its
// file, the local date and time, and a text, e.g.
// "0000000000 0000 2026/12/06 09:15:02.031 TAVO Ver.1.1.0 log pfile\r\n".
#pragma once
#include <cstdint>
#include <string>

#include "framework/cstring.h"
#include "platform/clock.h"
#include "platform/out_file.h"

// Texts longer than this are cut (never inside a double-byte character).
const int kMaxRecordText = 199;

std::string FormatLogRecord(std::uint16_t counter, const plat::LocalTime& time, const CString& text);

// Writes the record numbered `counter` in one write and then counts it. The
// log ignores write errors; the result is there for whoever does not.
bool WriteLogRecord(plat::OutFile& file, const CString& text, const plat::LocalTime& time,
                    std::uint16_t& counter);
