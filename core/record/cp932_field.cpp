#include "core/record/cp932_field.h"

#include <cstring>

#include "platform/text/code_page.h"

size_t CopyToCp932Field(char* field, size_t capacity, std::string_view src) {
  if (capacity == 0) return 0;
  std::memset(field, 0, capacity);
  size_t n = 0;
  while (n < src.size() && src[n] != '\0') {
    size_t len = tmb::IsSjisLeadByte(static_cast<unsigned char>(src[n])) ? 2 : 1;
    if (n + len > capacity - 1 || n + len > src.size()) break;
    if (len == 2 && src[n + 1] == '\0') break;  // a lead byte without its second byte
    n += len;
  }
  if (n > 0) std::memcpy(field, src.data(), n);
  return n;
}

std::string_view Cp932FieldText(const char* field, size_t capacity) {
  return {field, tmb::BoundedLength(field, capacity)};
}
