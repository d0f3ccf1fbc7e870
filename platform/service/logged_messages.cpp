#include "platform/service/logged_messages.h"

namespace tmb {

int LoggedMessages::Show(int id, const std::string& text, int style) {
  std::string line;
  for (char c : text) line += c == '\n' ? std::string(" | ") : std::string(1, c);
  std::fprintf(m_stream, "message %d: %s\n", id, line.c_str());
  std::fflush(m_stream);
  return SilentAnswer(style);
}

}  // namespace tmb
