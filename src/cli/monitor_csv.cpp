#include "cli/monitor_csv.h"

#include <cstring>

#include "cli/output.h"
#include "cli/output_file.h"
#include "platform/console.h"

namespace {
const char kByteOrderMark[] = "\xEF\xBB\xBF";
}  // namespace

std::string CsvField(const std::string& text) {
  const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos ||
                      (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quoted) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

MonitorCsv::~MonitorCsv() {
  if (m_file) std::fclose(m_file);
}

bool MonitorCsv::Open(const std::string& path, bool cp932, const std::vector<std::string>& header) {
  m_path = path;
  m_cp932 = cp932;
  if (path.empty()) return true;
  std::string headerLine;
  for (const std::string& name : header) headerLine += (headerLine.empty() ? "" : ",") + name;
  headerLine += "\r\n";
  if (!CheckOutputFile(path)) return false;
  m_standardOutput = IsStandardOutput(path);
  if (m_standardOutput) return Write(headerLine);
  m_file = std::fopen(path.c_str(), "a+b");   // read to learn its encoding; every write appends
  if (!m_file) {
    ReportWriteFailure(path);
    return false;
  }
  std::fseek(m_file, 0, SEEK_END);
  if (std::ftell(m_file) <= 0) return Write((cp932 ? "" : kByteOrderMark) + headerLine);
  char start[sizeof kByteOrderMark - 1] = {};
  std::rewind(m_file);
  const size_t read = std::fread(start, 1, sizeof start, m_file);
  std::fseek(m_file, 0, SEEK_END);   // between a read and a write, as C requires
  // An existing file keeps its encoding: a byte order mark is UTF-8's, none code page 932's.
  const bool fileCp932 = read < sizeof start || std::memcmp(start, kByteOrderMark, sizeof start) != 0;
  if (fileCp932 != cp932)
    PrintNote(OutputName(path) + " is in " + (fileCp932 ? "code page 932" : "UTF-8") + ": the samples are appended in it");
  m_cp932 = fileCp932;
  return true;
}

bool MonitorCsv::Append(const std::vector<std::string>& fields) {
  if (m_path.empty()) return true;
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i)
    line += (i ? "," : "") + CsvField(m_cp932 ? fields[i] : plat::ToUtf8(fields[i]));
  return Write(line + "\r\n");
}

bool MonitorCsv::Write(const std::string& bytes) {
  const bool written = m_standardOutput ? plat::WriteRawOutput(bytes)
                                        : std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size() &&
                                              std::fflush(m_file) == 0;
  if (!written) ReportWriteFailure(m_path);
  return written;
}
