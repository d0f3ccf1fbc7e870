#include "platform/text/user_text.h"

#include "platform/text/code_page.h"

namespace tmb {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

UserText RecogniseUserText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return {TextEncoding::kUtf8, bytes.substr(kUtf8Mark.size())};
  if (!SjisToUtf8(bytes).has_value() && Utf8ToUtf16(bytes).has_value()) return {TextEncoding::kUtf8, bytes};
  return {TextEncoding::kCodePage932, bytes};
}

std::string UserTextToUtf8(std::string_view bytes) {
  const UserText file = RecogniseUserText(bytes);
  return file.encoding == TextEncoding::kUtf8 ? Utf8Lossy(file.text) : SjisToUtf8Lossy(file.text);
}

std::string UserTextToCp932(std::string_view bytes) {
  const UserText file = RecogniseUserText(bytes);
  return file.encoding == TextEncoding::kUtf8 ? Utf8ToSjisLossy(file.text) : std::string(file.text);
}

}  // namespace tmb
