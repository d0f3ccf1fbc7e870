#include "core/text/text_char_class.h"

#include "platform/text/code_page.h"

int ClassifyTextChar(std::string_view text, size_t pos, bool blanksSeparate) {
  if (pos >= text.size()) return kTextCharSingle;
  const unsigned char c = static_cast<unsigned char>(text[pos]);
  const unsigned char next = pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
  if (tmb::IsSjisLeadByte(c) && pos + 1 < text.size() && tmb::IsSjisTrailByte(next)) return kTextCharDouble;
  if (c == '\r' && next == '\n') return kTextCharNewLine;
  if (c == '/' && next == '/') return kTextCharComment;
  if (blanksSeparate && (c == ' ' || c == '\t')) return kTextCharBlank;
  return kTextCharSingle;
}

int ClassifyTextCharNoBlank(std::string_view text, size_t pos) { return ClassifyTextChar(text, pos, false); }
