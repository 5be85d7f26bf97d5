// The log file names and dates on arbitrary input: a name parses only in the
// shape the tool writes and back into the same name, the cut-off date is a
// real date, a day is old exactly when it is outside the days after the
// cut-off up to today, and a record line never exceeds its text limit.
#include <cstddef>
#include <cstdint>
#include <string>

#include "log/cutoff_date.h"
#include "log/log_names.h"
#include "log/log_record.h"
#include "platform/clock.h"

namespace {

// Reads the next byte of the input, or 0 past its end.
struct ByteSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t next = 0;
  int Byte() { return next < size ? data[next++] : 0; }
  int Small(int count) { return Byte() % count; }
};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

void CheckName(const std::string& text) {
  LogNameDate date{};
  if (!ParseLogFileName(CString(text), date)) return;
  const LogKind kind = Upper(text[0]) == 'L' ? LogKind::Log : LogKind::Error;
  const int sequence = std::stoi(text.substr(5, 3));
  if (!SameNoCase(LogFileName(kind, date.month, date.day, sequence).str(), text)) __builtin_trap();
}

// Counted afresh from today backwards: the cut-off is `age` days before
// today, the days after it up to today are kept, every other real day of the
// year is old.
void CheckOldDays(const CalendarDate& today, int age, const CalendarDate& cutOff) {
  bool kept[13][32] = {};
  int month = today.month, day = today.day;
  for (int back = 0; back < age; ++back) {
    kept[month][day] = true;
    if (--day == 0) {
      month = month == 1 ? 12 : month - 1;
      day = plat::DaysInMonth(today.year, month);
    }
  }
  if (month != cutOff.month || day != cutOff.day) __builtin_trap();
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= plat::DaysInMonth(today.year, m); ++d)
      if (IsOldLogDate(m, d, cutOff, today) == kept[m][d]) __builtin_trap();
}

void CheckDates(ByteSource& in) {
  const int year = 2000 + in.Small(100);
  const int month = 1 + in.Small(12);
  const CalendarDate today{year, month, 1 + in.Small(plat::DaysInMonth(year, month))};
  const int age = in.Byte() - 8;   // some out of 0-100
  const CalendarDate cutOff = CutOffDate(today, age);
  if (cutOff.month < 1 || cutOff.month > 12 || cutOff.day < 1 ||
      cutOff.day > plat::DaysInMonth(cutOff.year, cutOff.month))
    __builtin_trap();
  CheckOldDays(today, age < 0 ? 0 : (age > 100 ? 100 : age), cutOff);
  for (int m = 0; m <= 13; ++m) IsOldLogDate(m, in.Small(100), cutOff, today);
}

void CheckRecord(ByteSource& in, const std::string& text) {
  const plat::LocalTime time{2000 + in.Small(100), 1 + in.Small(12), 0, 1 + in.Small(31),
                             in.Small(24), in.Small(60), in.Small(60), in.Small(1000)};
  const std::string record = FormatLogRecord(static_cast<std::uint16_t>(in.Byte() * 257), time,
                                             CString(text));
  const std::size_t fixed = std::string("0000000000 0000 2026/12/06 09:15:02.031 \r\n").size();
  if (record.size() > fixed + kMaxRecordText) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteSource in{data, size};
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckName(text);
  CheckDates(in);
  CheckRecord(in, text);
  const CString name = LogFileName(in.Small(2) ? LogKind::Log : LogKind::Error, in.Byte(), in.Byte(), in.Byte() * 7);
  LogNameDate date{};
  if (name.str().size() == 12 && !ParseLogFileName(name, date)) __builtin_trap();
  InLogDirectory(CString(text), name);
  return 0;
}
