// Profile settings: integers and texts by section and key, kept between runs. The UI
// installs a store over the desktop's settings at start-up; tests install their own.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tmb {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  virtual int GetInt(const std::string& section, const std::string& key, int fallback) = 0;
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& fallback) = 0;
  virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
  virtual void WriteString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

// A store held in memory: the default until another is installed, and a fixture for tests.
class MemoryProfile final : public ProfileStore {
 public:
  int GetInt(const std::string& section, const std::string& key, int fallback) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

  // Every write as "section/key", in order.
  const std::vector<std::string>& Writes() const { return writes_; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
  std::vector<std::string> writes_;
};

// The installed store; a memory store until SetProfileStore installs another.
ProfileStore& Profile();
// Installs store (not owned); nullptr restores the memory default.
void SetProfileStore(ProfileStore* store);

}  // namespace tmb
