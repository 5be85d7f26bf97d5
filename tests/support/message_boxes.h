// Records the message boxes shown while it lives, answering each with OK.
#pragma once
#include <vector>
#include "framework/ui.h"

class MessageBoxRecorder {
public:
  MessageBoxRecorder() {
    fw::SetMessageBoxHandler([this](const fw::MessageBoxRecord& box) {
      boxes.push_back(box);
      return fw::kIdOk;
    });
  }
  ~MessageBoxRecorder() { fw::SetMessageBoxHandler(nullptr); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<fw::MessageBoxRecord> boxes;
};
