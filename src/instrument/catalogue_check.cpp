// The check that the catalogue's rows agree, run by the tests: each fault a
// line naming its row, so that a row added or changed by hand cannot leave a
// setting unread, unsent or shown under another's control without a word.
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "instrument/catalogue.h"

namespace inst {

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }
std::string Letter(char letter) { return Quoted(std::string(1, letter)); }

struct CheckedRows {
  const CatalogueRows& rows;
  std::vector<std::string> problems;

  void Fault(const std::string& text) { problems.push_back(text); }

  const Setting* SettingNamed(const char* key) const {
    for (const Setting& setting : rows.settings)
      if (std::strcmp(setting.key, key) == 0) return &setting;
    return nullptr;
  }
  const WriteGroup* GroupHeaded(const char* head) const {
    for (const WriteGroup& group : rows.groups)
      if (std::strcmp(group.head, head) == 0) return &group;
    return nullptr;
  }
  // The groups whose payload names `key`.
  std::vector<const WriteGroup*> Carrying(const char* key) const {
    std::vector<const WriteGroup*> found;
    for (const WriteGroup& group : rows.groups)
      for (const FramePart& part : group.payload)
        if (part.form != FrameForm::Text && std::strcmp(part.text, key) == 0) found.push_back(&group);
    return found;
  }
  // The pages whose Set sends `group`.
  std::vector<const PageRow*> Sending(const WriteGroup& group) const {
    std::vector<const PageRow*> found;
    for (const PageRow& page : rows.pages)
      for (const char* head : page.writes)
        if (std::strcmp(head, group.head) == 0) found.push_back(&page);
    return found;
  }
  bool StepAsks(int page, StepKind kind, char letter) const {
    for (const PageRow& row : rows.pages)
      if (row.page == page)
        for (const ReadStep& step : row.steps)
          if (step.kind == kind && step.letter == letter) return true;
    return false;
  }

  void CheckSettings() {
    std::set<std::string> keys;
    for (const Setting& setting : rows.settings) {
      const std::string name = "setting " + Quoted(setting.key);
      if (!keys.insert(setting.key).second) Fault(name + " is named by two rows");
      const std::vector<const WriteGroup*> groups = Carrying(setting.key);
      if (groups.empty()) Fault(name + " is in no frame's payload: no Set can send it");
      if (groups.size() > 1) Fault(name + " is in the payloads of two frames");
      if (!StepAsks(setting.page, StepKind::Settings, setting.read.letter))
        Fault(name + " is read by no step of its page's Read: its query " + Letter(setting.read.letter) +
              " is in no page's read order");
      if (setting.kind == Kind::List && (!setting.items || !setting.items[0])) Fault(name + " is a list without items");
    }
    for (const Reading& reading : rows.readings)
      if (reading.key && !keys.insert(reading.key).second)
        Fault("reading " + Quoted(reading.key) + " has the key of another row");
  }

  void CheckGroups() {
    std::set<std::string> heads;
    for (const WriteGroup& group : rows.groups) {
      const std::string name = "group " + Quoted(group.head);
      if (!heads.insert(group.head).second) Fault(name + " is named by two rows");
      const std::vector<const PageRow*> pages = Sending(group);
      if (pages.empty()) Fault(name + " is in no page's write order: no Set sends it");
      if (pages.size() > 1) Fault(name + " is in the write orders of two pages");
      bool carries = false;
      for (const FramePart& part : group.payload) {
        if (part.form == FrameForm::Text) continue;
        carries = true;
        const Setting* setting = SettingNamed(part.text);
        if (!setting) {
          Fault(name + ": its payload names " + Quoted(part.text) + ", which is no setting");
          continue;
        }
        if (!pages.empty() && setting->page != pages.front()->page)
          Fault(name + " is sent by the Set of page " + std::to_string(pages.front()->page) + ", its setting " +
                Quoted(setting->key) + " is on page " + std::to_string(setting->page));
        const bool listPart = part.form == FrameForm::Item || part.form == FrameForm::Minutes;
        if (listPart != (setting->kind == Kind::List) || (part.form == FrameForm::Clock) != (setting->kind == Kind::Clock))
          Fault(name + ": its payload carries " + Quoted(part.text) + " in a form not of its kind");
      }
      if (!carries) Fault(name + " carries no setting");
    }
    for (const PageRow& page : rows.pages)
      for (const char* head : page.writes)
        if (!GroupHeaded(head))
          Fault("page " + std::to_string(page.page) + ": its write order names " + Quoted(head) + ", which is no group");
  }

  void CheckQueriesAndSteps() {
    std::set<char> letters;
    for (const Query& query : rows.queries)
      if (!letters.insert(query.letter).second) Fault("query " + Letter(query.letter) + " is named by two rows");
    std::set<int> pages;
    for (const PageRow& page : rows.pages) {
      const std::string name = "page " + std::to_string(page.page);
      if (!pages.insert(page.page).second) Fault(name + " is named by two rows");
      for (const ReadStep& step : page.steps) {
        const std::string stepName = name + ": the step " + Letter(step.letter);
        if (!letters.count(step.letter)) Fault(stepName + " has no query row: no frame asks it");
        bool reads = step.kind != StepKind::Settings && step.kind != StepKind::Readings;
        for (const Setting& setting : rows.settings)
          reads = reads || (step.kind == StepKind::Settings && setting.page == page.page && setting.read.letter == step.letter);
        for (const Reading& reading : rows.readings)
          reads = reads || (step.kind == StepKind::Readings && reading.page == page.page && reading.read.letter == step.letter);
        if (!reads) Fault(stepName + " reads nothing its page shows");
      }
    }
    for (const Reading& reading : rows.readings)
      if (!StepAsks(reading.page, StepKind::Readings, reading.read.letter) &&
          !StepAsks(reading.page, StepKind::AdCounts, reading.read.letter))
        Fault("reading of control " + std::to_string(reading.control) + " on page " + std::to_string(reading.page) +
              ": its reply " + Letter(reading.read.letter) + " is asked by no step of its page");
  }

  void CheckControls() {
    std::set<std::pair<int, int>> controls;
    for (const Setting& setting : rows.settings)
      if (!controls.insert({setting.page, setting.control}).second)
        Fault("setting " + Quoted(setting.key) + ": its control " + std::to_string(setting.control) +
              " is named by another row");
    for (const Reading& reading : rows.readings)
      if (!controls.insert({reading.page, reading.control}).second)
        Fault("reading of control " + std::to_string(reading.control) + " on page " + std::to_string(reading.page) +
              ": the control is named by another row");
  }
};

}  // namespace

std::vector<std::string> CatalogueProblems(const CatalogueRows& rows) {
  CheckedRows check{rows, {}};
  check.CheckSettings();
  check.CheckGroups();
  check.CheckQueriesAndSteps();
  check.CheckControls();
  return check.problems;
}

}  // namespace inst
