#include "cli/apply_check.h"

#include <algorithm>

#include "cli/input_file.h"
#include "cli/setting_keys.h"
#include "cli/output.h"
#include "instrument/catalogue.h"
#include "platform/console.h"

namespace {

const SettingLine* LineOf(const std::vector<SettingLine>& settings, const std::string& key) {
  for (const SettingLine& line : settings)
    if (line.key == key) return &line;
  return nullptr;
}

// None of a group whose texts must all be filled (an empty one would go out
// as zero) may be empty beside filled ones. A key the file leaves out keeps
// the instrument's value, which is filled.
void CheckFilledTogether(const std::vector<SettingLine>& settings, std::vector<FileProblem>& problems) {
  for (const inst::WriteGroup& group : inst::Groups()) {
    if (!group.allFilled) continue;
    const std::vector<const inst::Setting*> members = inst::GroupSettings(&group);
    const bool anyFilled = std::any_of(members.begin(), members.end(), [&](const inst::Setting* setting) {
      const SettingLine* line = LineOf(settings, setting->key);
      return !line || !line->value.empty();
    });
    for (const inst::Setting* setting : members)
      if (const SettingLine* line = LineOf(settings, setting->key); line && line->value.empty() && anyFilled)
        problems.push_back({line->line, setting->key,
                            "empty beside filled ones of " + std::string(members.front()->key) + "-" +
                                members.back()->key});
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
  // An empty file (a read that went to a full disk, perhaps) is no set-up that matches everything.
  const bool names = std::any_of(settings.begin(), settings.end(), [](const SettingLine& line) {
    const SettingKey* key = FindSettingKey(line.key);
    return !key || !key->Info();
  });
  if (!names) problems.push_back({0, "", "names no setting: nothing to apply or compare"});
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
