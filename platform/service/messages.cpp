#include "platform/service/messages.h"

#include "resources/string_table.h"

namespace tmb {
namespace {

class SilentMessages final : public MessageService {
 public:
  int Show(int, const std::string&, int style) override { return SilentAnswer(style); }
  void Beep() override {}
};

SilentMessages gSilent;
MessageService* gService = &gSilent;

}  // namespace

MessageService& Messages() { return *gService; }

int SilentAnswer(int style) {
  if (style == kMsgYesNoDefaultNo) return kAnswerNo;
  return style == kMsgYesNo || style == kMsgYesNoCancel ? kAnswerYes : kAnswerOk;
}

void SetMessageService(MessageService* service) { gService = service ? service : &gSilent; }

std::string FormatMessageText(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '%' && i + 1 < text.size()) {
      char n = text[i + 1];
      if (n >= '1' && n <= '9') {
        size_t k = static_cast<size_t>(n - '1');
        if (k < args.size()) out += *(args.begin() + k);
        ++i;
        continue;
      }
      if (n == '%') {
        out += '%';
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

int ShowMessage(int id, int style, std::initializer_list<std::string_view> args) {
  return gService->Show(id, FormatMessageText(LoadStringText(id), args), style);
}

void Beep() { gService->Beep(); }

}  // namespace tmb
