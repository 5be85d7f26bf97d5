// The CSV file of monitor -o: appended to, its header first when the file is
// new or empty, each line ending in CR LF, fields quoted as CSV requires. In
// UTF-8 with a byte order mark (so that Japanese Excel reads it as UTF-8), or
// in code page 932 (--encoding cp932); a file that exists keeps its own (a
// byte order mark: UTF-8, none: code page 932), with a note when it is not
// the one asked for. "-" writes to standard output, without a byte order mark.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

class MonitorCsv {
public:
  MonitorCsv() = default;
  ~MonitorCsv();
  MonitorCsv(const MonitorCsv&) = delete;
  MonitorCsv& operator=(const MonitorCsv&) = delete;

  // Opens `path` (nothing for an empty one), writing the names of the
  // columns `header` first where it starts; false after telling the user why.
  bool Open(const std::string& path, bool cp932, const std::vector<std::string>& header);
  // Appends a line of `fields` (in the program's code page); false after
  // telling the user why.
  bool Append(const std::vector<std::string>& fields);

private:
  bool Write(const std::string& bytes);

  std::string m_path;
  std::FILE* m_file = nullptr;
  bool m_standardOutput = false;
  bool m_cp932 = false;
};

// `text` as a CSV field: in double quotes, its quotes doubled, when it holds
// a comma, a quote, a CR or an LF (or starts or ends with a blank); as it is otherwise.
std::string CsvField(const std::string& text);
