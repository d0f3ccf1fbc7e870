#include "support/scripted_messages.h"

#include <algorithm>

namespace tmb::test {

int ScriptedMessages::Show(int id, const std::string& text, int style) {
  ids.push_back(id);
  texts.push_back(text);
  if (!answers_.empty()) {
    int a = answers_.front();
    answers_.pop_front();
    return a;
  }
  return style == kMsgYesNo || style == kMsgYesNoCancel ? kAnswerYes : kAnswerOk;
}

int ScriptedMessages::CountOf(int id) const {
  return static_cast<int>(std::count(ids.begin(), ids.end(), id));
}

}  // namespace tmb::test
