// Reading the lists of characters to register: list text files in code page 932, UTF-16
// or UTF-8, the text typed into the panel's text box, and list information files. Lists
// come from anywhere, so each reader takes what is a character and counts the rest.
#include <optional>

#include "core/state/registration_panel.h"
#include "platform/file/byte_reader.h"
#include "platform/text/code_page.h"
#include "platform/text/user_text.h"

namespace {

constexpr uint32_t kIdeographicSpace = 0x3000;
constexpr uint32_t kByteOrderMark = 0xFEFF;
// Header of a list information file: width, height, count and the folder field.
constexpr size_t kListInfoHeader = 6 + kListFolderField;
constexpr size_t kListInfoRecord = 34;

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// Builds a list character by character: printable characters become entries, white
// space stays in the text, anything else is counted as bad.
class ListBuilder {
 public:
  void Add(uint32_t cp, int sourceBytes) {
    const bool space = cp == ' ' || cp == '\t' || cp == '\r' || cp == '\n' || cp == kIdeographicSpace;
    const bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0xA0) || cp == kByteOrderMark ||
                         (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
    if (control && !space) {
      Bad(sourceBytes);
      return;
    }
    std::string ch;
    AppendUtf8(ch, cp);
    if (!space) list_.entries.push_back({ch, cp, pos_, 0});
    list_.text += ch;
    pos_ += cp > 0xFFFF ? 2 : 1;
  }
  void Bad(int bytes) { list_.badBytes += bytes; }
  CCharacterList Take(int wide) {
    list_.wide = wide;
    return std::move(list_);
  }

 private:
  CCharacterList list_;
  int32_t pos_ = 0;
};

// The code point of the UTF-8 sequence at i (its length in n); nullopt for a bad one.
std::optional<uint32_t> DecodeUtf8(std::span<const uint8_t> b, size_t i, int& n) {
  const uint8_t c = b[i];
  n = 1;
  if (c < 0x80) return c;
  uint32_t cp = 0, min = 0;
  if ((c & 0xE0) == 0xC0) {
    n = 2, cp = c & 0x1F, min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    n = 3, cp = c & 0x0F, min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    n = 4, cp = c & 0x07, min = 0x10000;
  } else {
    return std::nullopt;
  }
  if (i + size_t(n) > b.size()) {
    n = 1;
    return std::nullopt;
  }
  for (int k = 1; k < n; ++k) {
    if ((b[i + size_t(k)] & 0xC0) != 0x80) {
      n = 1;
      return std::nullopt;
    }
    cp = (cp << 6) | (b[i + size_t(k)] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    n = 1;
    return std::nullopt;
  }
  return cp;
}

void ReadUtf8(std::span<const uint8_t> b, ListBuilder& list) {
  for (size_t i = 0; i < b.size();) {
    int n = 1;
    const std::optional<uint32_t> cp = DecodeUtf8(b, i, n);
    if (cp) {
      list.Add(*cp, n);
    } else {
      list.Bad(1);
    }
    i += size_t(n);
  }
}

void ReadUtf16(std::span<const uint8_t> b, ListBuilder& list) {
  const size_t units = b.size() / 2;
  if (b.size() % 2) list.Bad(1);  // half a unit at the end
  auto unit = [&](size_t k) { return uint32_t(b[2 * k] | (b[2 * k + 1] << 8)); };
  for (size_t k = 0; k < units; ++k) {
    const uint32_t u = unit(k);
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units && unit(k + 1) >= 0xDC00 && unit(k + 1) <= 0xDFFF) {
      list.Add(0x10000 + ((u - 0xD800) << 10) + (unit(k + 1) - 0xDC00), 4);
      ++k;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      list.Bad(2);  // a lone surrogate is no character
    } else {
      list.Add(u, 2);
    }
  }
}

void ReadCodePage932(std::span<const uint8_t> b, ListBuilder& list) {
  for (size_t i = 0; i < b.size();) {
    const uint8_t c = b[i];
    // A character's length comes from both of its bytes: a lead byte at the end, or one
    // followed by no trail byte (a line break), is a bad byte on its own.
    const bool pair = tmb::IsSjisLeadByte(c) && i + 1 < b.size() && tmb::IsSjisTrailByte(b[i + 1]);
    const size_t n = pair ? 2 : 1;
    const std::string bytes(reinterpret_cast<const char*>(&b[i]), n);
    std::optional<std::u16string> wide = c < 0x80 ? std::u16string(1, char16_t(c)) : tmb::SjisToUtf16(bytes);
    if (!wide || wide->empty() || (!pair && tmb::IsSjisLeadByte(c))) {
      list.Bad(int(n));
    } else {
      for (char16_t u : *wide) list.Add(u, int(n));
    }
    i += n;
  }
}

}  // namespace

CCharacterList ReadCharacterList(std::span<const uint8_t> bytes) {
  ListBuilder list;
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    ReadUtf16(bytes.subspan(2), list);
    return list.Take(1);
  }
  const tmb::UserText file = tmb::RecogniseUserText({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  if (file.encoding == tmb::TextEncoding::kUtf8) {
    ReadUtf8({reinterpret_cast<const uint8_t*>(file.text.data()), file.text.size()}, list);
  } else {
    ReadCodePage932(bytes, list);
  }
  return list.Take(0);
}

CCharacterList CharacterListOfText(const std::string& utf8) {
  ListBuilder list;
  ReadUtf8({reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size()}, list);
  return list.Take(0);
}

int ReadListInfo(std::span<const uint8_t> bytes, CListInfo& out) {
  tmb::ByteReader r(bytes);
  int16_t width = 0, height = 0, count = 0;
  std::string folder;
  if (!r.ReadI16(width) || !r.ReadI16(height) || !r.ReadI16(count) || !r.ReadString(folder, kListFolderField)) {
    return 0;
  }
  if (count < 0 || bytes.size() < kListInfoHeader + size_t(count) * kListInfoRecord) return 0;
  ListBuilder list;
  for (int i = 0; i < count; ++i) {
    uint16_t code = 0;
    r.ReadU16(code);
    r.Skip(kListInfoRecord - 2);
    if (code == 0) break;
    // A code that is half a surrogate pair or a control names no character.
    if (code == ' ' || code == kIdeographicSpace) {
      list.Bad(2);
    } else {
      list.Add(code, 2);
    }
  }
  out.box = {width, height};
  out.folder = folder.substr(0, folder.find('\0'));
  out.list = list.Take(1);
  return 1;
}
