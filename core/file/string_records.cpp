#include "core/file/string_records.h"

#include <vector>

#include "core/file/bytes_left.h"
#include "core/store/wide_text.h"
#include "platform/file/little_endian.h"

namespace {

int Limit(int maxChars) { return maxChars > 0 ? maxChars : kStringRecordMaxChars; }

// Reads the length and checks it against the limit and the bytes left in the file.
int ReadLength(tmb::BinaryFile& file, int maxBytes) {
  int32_t length = 0;
  if (!file.ReadI32(length) || length < 0 || length > maxBytes) return -1;
  return BytesLeft(file) < length ? -1 : length;
}

}  // namespace

int WriteWideStringRecord(tmb::BinaryFile& file, std::string_view text, int maxChars) {
  std::u16string wide = Cp932ToUtf16(text);
  if (wide.size() > static_cast<size_t>(Limit(maxChars))) wide.resize(static_cast<size_t>(Limit(maxChars)));
  std::vector<uint8_t> bytes(4 + 2 * wide.size());
  tmb::StoreU32(bytes.data(), static_cast<uint32_t>(2 * wide.size()));
  StoreUtf16Le(bytes.data() + 4, wide);
  return file.Write(bytes.data(), bytes.size()) ? static_cast<int>(2 * wide.size()) : -1;
}

int ReadWideStringRecord(tmb::BinaryFile& file, std::string& out, int maxChars) {
  out.clear();
  const int length = ReadLength(file, 2 * Limit(maxChars));
  if (length < 0 || length % 2 != 0) return -1;
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (!file.Read(bytes.data(), bytes.size())) return -1;
  std::u16string wide(bytes.size() / 2, u'\0');
  LoadUtf16Le(bytes.data(), wide.data(), wide.size());
  out = Utf16ToCp932(wide);
  return length;
}

int ReadNarrowStringRecord(tmb::BinaryFile& file, std::string& out, int maxChars) {
  out.clear();
  const int length = ReadLength(file, Limit(maxChars));
  if (length < 0) return -1;
  std::string bytes(static_cast<size_t>(length), '\0');
  if (!file.Read(bytes.data(), bytes.size())) return -1;
  out = bytes.substr(0, bytes.find('\0'));
  return length;
}
