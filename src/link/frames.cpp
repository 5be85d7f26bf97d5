#include "link/frames.h"

#include "link/control_bytes.h"

std::string SettingFrame(const std::string& head, const std::string& payload) {
  std::string frame(1, static_cast<char>(kStx));
  frame += head;
  frame += payload;
  frame += static_cast<char>(kEtx);
  return frame;
}

std::string QueryFrame(char letter) { return SettingFrame("$", std::string(1, letter)); }
