#include "support/text_file_forms.h"

#include <stdexcept>

#include "platform/text/code_page.h"

namespace tmb::test {

std::vector<TextFileForm> TextFileForms(const std::string& text, const std::string& both) {
  if (SjisToUtf8(text) || !SjisToUtf8(both)) throw std::invalid_argument("a text of the wrong kind");
  const std::string sjis = Utf8ToSjis(text).value();
  return {
      {"UTF-8 with its byte order mark", "\xEF\xBB\xBF" + text, text, sjis},
      {"UTF-8 without it", text, text, sjis},
      {"code page 932", sjis, text, sjis},
      {"UTF-8 that is valid code page 932 as well", both, both, Utf8ToSjis(both).value()},
  };
}

}  // namespace tmb::test
