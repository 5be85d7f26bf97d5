#include "log/log_record.h"

namespace {

// `text` cut to at most kMaxRecordText bytes, keeping double-byte characters whole.
std::string CutRecordText(const std::string& text) {
  std::size_t end = 0;
  while (end < text.size()) {
    std::size_t next = end + (IsLeadByte932(static_cast<unsigned char>(text[end])) ? 2 : 1);
    if (next > static_cast<std::size_t>(kMaxRecordText) || next > text.size()) break;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace

std::string FormatLogRecord(std::uint16_t counter, const plat::LocalTime& time, const CString& text) {
  const unsigned reserved = 0;
  CString record;
  record.Format("%02X%02X%02X%04X %04X %04d/%02d/%02d %02d:%02d:%02d.%03d %s\r\n", reserved, 0, 0, 0,
                counter, time.year, time.month, time.day, time.hour, time.minute, time.second,
                time.millisecond, CutRecordText(text.str()).c_str());
  return record.str();
}

bool WriteLogRecord(plat::OutFile& file, const CString& text, const plat::LocalTime& time,
                    std::uint16_t& counter) {
  const bool written = file.Write(FormatLogRecord(counter, time, text));
  ++counter;
  return written;
}
