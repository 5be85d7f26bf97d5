#include "cli/apply_check.h"

#include <algorithm>

#include "cli/input_file.h"
#include "cli/setting_keys.h"
#include "cli/output.h"
#include "instrument/catalogue.h"
#include "platform/console.h"

namespace {

// The keys of each group whose texts must all be filled (an empty one would
// go out as zero).
std::vector<std::vector<std::string>> FilledTogether() {
  std::vector<std::vector<std::string>> groups;
  for (const inst::PageRow& page : inst::Pages())
    for (inst::Group group : inst::WriteOrder(page.page)) {
      if (!group->allFilled) continue;
      groups.emplace_back();
      for (const inst::Setting* setting : inst::GroupSettings(group)) groups.back().push_back(setting->key);
    }
  return groups;
}

const SettingLine* LineOf(const std::vector<SettingLine>& settings, const std::string& key) {
  for (const SettingLine& line : settings)
    if (line.key == key) return &line;
  return nullptr;
}

// None of a group that is sent whole may be empty beside filled ones. A key
// the file leaves out keeps the instrument's value, which is filled.
void CheckFilledTogether(const std::vector<SettingLine>& settings, std::vector<FileProblem>& problems) {
  for (const std::vector<std::string>& keys : FilledTogether()) {
    const bool anyFilled = std::any_of(keys.begin(), keys.end(), [&](const std::string& key) {
      const SettingLine* line = LineOf(settings, key);
      return !line || !line->value.empty();
    });
    for (const std::string& key : keys)
      if (const SettingLine* line = LineOf(settings, key); line && line->value.empty() && anyFilled)
        problems.push_back({line->line, key, "empty beside filled ones of " + keys.front() + "-" + keys.back()});
  }
}

void CheckValues(const std::vector<SettingLine>& settings, std::vector<FileProblem>& problems) {
  for (const SettingLine& line : settings) {
    const SettingKey* key = FindSettingKey(line.key);
    const std::string problem = key ? CheckValue(*key, line.value) : "unknown key";
    if (!problem.empty()) problems.push_back({line.line, line.key, problem});
  }
}

void Tell(const std::string& path, std::vector<FileProblem> problems) {
  std::stable_sort(problems.begin(), problems.end(),
                   [](const FileProblem& a, const FileProblem& b) { return a.line < b.line; });
  for (FileProblem& problem : problems) {
    problem.key = plat::FromUtf8(problem.key);
    PrintError(Describe(plat::FromArgument(path), problem));
  }
}

}  // namespace

bool LoadSettings(const std::string& path, std::vector<SettingLine>& settings) {
  std::string text, error;
  if (!ReadInputFile(path, text, error)) {
    PrintError(error);
    return false;
  }
  std::vector<FileProblem> problems;
  ParseSettingsFile(text, settings, problems);
  CheckValues(settings, problems);
  CheckFilledTogether(settings, problems);
  Tell(path, problems);
  return problems.empty();
}

bool SameModel(const std::string& path, const inst::Instrument& connectedOne, const std::vector<SettingLine>& settings,
               const std::string& port) {
  const std::string connected = ReadKey(connectedOne, *FindSettingKey("model"));
  const SettingLine* model = LineOf(settings, "model");
  if (model && plat::FromUtf8(model->value) == connected) return true;
  const std::string instrument = "the instrument" + OnPort(port) + " is " + connected;
  Tell(path, {model ? FileProblem{model->line, "model", "the file was read from " + plat::FromUtf8(model->value) +
                                                            ", " + instrument + " (--force writes it all the same)"}
                    : FileProblem{0, "", "names no model (read --maker writes it); " + instrument +
                                             " (--force writes it all the same)"}});
  return false;
}
