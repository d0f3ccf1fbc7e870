#include "app/value_limits.h"

#include "platform/service/messages.h"

bool AcceptPathValue(const std::string& value) {
  if (value.size() <= kMaxPathBytes) return true;
  // A few hundred bytes are enough to recognise the value in the message.
  std::string shown = value.substr(0, 200) + "...";
  tmb::ShowMessage(61511, tmb::kMsgOk, {std::to_string(kMaxPathBytes), shown});
  return false;
}
