// Messages written to a stream instead of shown: a run that asks nobody (the smoke start
// of a build or an installation) leaves a line for each message it would have shown.
#pragma once

#include <cstdio>

#include "platform/service/messages.h"

namespace tmb {

class LoggedMessages final : public MessageService {
 public:
  explicit LoggedMessages(std::FILE* stream) : m_stream(stream) {}
  // Writes "message <id>: <text>" as one line (line breaks of the text become " | ") and
  // answers as the silent service does.
  int Show(int id, const std::string& text, int style) override;
  void Beep() override {}

 private:
  std::FILE* m_stream;
};

}  // namespace tmb
