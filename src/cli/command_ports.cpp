// ports: the ports there are, what the system knows of each, and who answers there.
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/text_forms.h"
#include "platform/comports.h"
#include "platform/console.h"

namespace {

// What the system knows of a port, and who answered on it when it was probed.
KeyValues PortValues(const std::string& port, bool probe, const std::string& iniFile) {
  const plat::PortFacts facts = plat::DescribeComPort(port);
  KeyValues values = {{"port", port},
                      {"stable_name", facts.stableName},
                      {"vendor_id", facts.vendorId},
                      {"product_id", facts.productId},
                      {"manufacturer", facts.manufacturer},
                      {"product", facts.product},
                      {"serial_number", facts.serialNumber},
                      {"friendly_name", facts.friendlyName}};
  for (auto& value : values) value.second = plat::FromArgument(value.second);
  if (!probe) return values;
  Session session(iniFile);
  const ExitStatus status = session.Probe(port);
  const inst::Identity& identity = session.Instrument().GetIdentity();
  const bool answered = status == kExitOk;
  values.push_back({"probe", answered ? "answered" : status == kExitPort ? "cannot be opened" : "no answer"});
  values.push_back({"model", answered ? Unpadded(identity.model) : ""});
  values.push_back({"version", answered ? Unpadded(identity.version) : ""});
  return values;
}

// One line: the port, who answered, then what the system knows, each where known.
std::string PortLine(const KeyValues& values) {
  auto value = [&values](const char* key) {
    for (const auto& [name, text] : values)
      if (name == key) return text;
    return std::string();
  };
  std::string line = value("port");
  auto add = [&line](const std::string& part) {
    const size_t first = part.find_first_not_of(' ');
    if (first != std::string::npos) line += "  " + part.substr(first, part.find_last_not_of(' ') + 1 - first);
  };
  add(value("probe") == "answered" ? value("model") + " " + value("version") : value("probe"));
  add(value("stable_name"));
  if (!value("vendor_id").empty()) add("USB " + value("vendor_id") + ":" + value("product_id"));
  add(value("manufacturer") + " " + value("product"));
  if (!value("serial_number").empty()) add("serial " + value("serial_number"));
  add(value("friendly_name"));
  return line + "\n";
}

}  // namespace

ExitStatus RunPorts(const Arguments& args) {
  std::vector<std::string> ports;
  plat::ListComPorts(ports);
  // Probed side by side: the whole list within about one identification wait.
  std::vector<KeyValues> described(ports.size());
  std::vector<std::thread> threads;
  const bool probe = args.Has("--probe");
  for (size_t i = 0; i < ports.size(); ++i)
    threads.emplace_back([&, i] { described[i] = PortValues(ports[i], probe, args.Value("--ini")); });
  for (std::thread& thread : threads) thread.join();
  if (!args.Has("--json")) {
    for (const KeyValues& values : described) PrintOut(PortLine(values));
    return kExitOk;
  }
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const KeyValues& values : described) list.push_back(PrintedJson(FormatJson(values, {})));
  PrintOut(JsonLine(list));
  return kExitOk;
}
