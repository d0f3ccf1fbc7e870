#include "support/list_info_file.h"

namespace tmb::test {

std::vector<uint8_t> ListInfoFileBytes(int width, int height, int count, const std::string& folder,
                                       std::initializer_list<int> codes) {
  constexpr size_t kFolderField = 260;
  constexpr size_t kRecordTail = 32;
  std::vector<uint8_t> b;
  auto i16 = [&](int v) {
    b.push_back(uint8_t(v & 0xFF));
    b.push_back(uint8_t((v >> 8) & 0xFF));
  };
  i16(width), i16(height), i16(count);
  std::string field = folder;
  field.resize(kFolderField, '\0');
  b.insert(b.end(), field.begin(), field.end());
  for (int code : codes) {
    i16(code);
    b.insert(b.end(), kRecordTail, 0);
  }
  return b;
}

}  // namespace tmb::test
