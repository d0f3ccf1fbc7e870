#include "platform/service/profile.h"

#include <charconv>

namespace tmb {
namespace {

MemoryProfile gMemory;
ProfileStore* gStore = &gMemory;

}  // namespace

int MemoryProfile::GetInt(const std::string& section, const std::string& key, int fallback) {
  auto it = values_.find({section, key});
  if (it == values_.end()) return fallback;
  int value = 0;
  const std::string& text = it->second;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() ? value : fallback;
}

std::string MemoryProfile::GetString(const std::string& section, const std::string& key,
                                     const std::string& fallback) {
  auto it = values_.find({section, key});
  return it == values_.end() ? fallback : it->second;
}

void MemoryProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void MemoryProfile::WriteString(const std::string& section, const std::string& key,
                                const std::string& value) {
  values_.insert_or_assign({section, key}, value);
  writes_.push_back(section + "/" + key);
}

ProfileStore& Profile() { return *gStore; }

void SetProfileStore(ProfileStore* store) { gStore = store ? store : &gMemory; }

}  // namespace tmb
