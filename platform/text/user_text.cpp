#include "platform/text/user_text.h"

#include <algorithm>

#include "platform/text/code_page.h"

namespace tmb {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool BeyondAscii(std::string_view bytes) {
  return std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

UserText RecogniseUserText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return {TextEncoding::kUtf8, bytes.substr(kUtf8Mark.size())};
  // Japanese text in UTF-8 is often valid code page 932 as well ("山川木" would read as
  // "螻ｱ蟾晄惠"), while code page 932 text beyond ASCII is hardly ever valid UTF-8.
  if (BeyondAscii(bytes) && Utf8ToUtf16(bytes).has_value()) return {TextEncoding::kUtf8, bytes};
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
