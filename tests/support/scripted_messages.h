// A message service for tests: records every message shown and answers from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/service/messages.h"

namespace tmb::test {

class ScriptedMessages final : public MessageService {
 public:
  ScriptedMessages() { SetMessageService(this); }
  ~ScriptedMessages() override { SetMessageService(nullptr); }

  int Show(int id, const std::string& text, int style) override;
  void Beep() override { ++beeps; }

  // Queues the answer for the next message; without one, OK (or Yes) is answered.
  void Answer(int answer) { answers_.push_back(answer); }
  int CountOf(int id) const;

  std::vector<int> ids;
  std::vector<std::string> texts;
  int beeps = 0;

 private:
  std::deque<int> answers_;
};

}  // namespace tmb::test
