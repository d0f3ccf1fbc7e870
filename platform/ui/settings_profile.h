// Profile settings over QSettings, under the organisation "TamberiLite": the desktop's
// own settings store, or an INI file of the caller's choosing (tests use a temporary one).
#pragma once

#include <QString>
#include <memory>

#include "platform/service/profile.h"

class QSettings;

namespace tmb::ui {

class SettingsProfile final : public ProfileStore {
 public:
  // The user's settings of this program.
  SettingsProfile();
  // An INI file at path.
  explicit SettingsProfile(const QString& path);
  ~SettingsProfile() override;

  int GetInt(const std::string& section, const std::string& key, int fallback) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  // Writes everything out now (through a temporary file, so a failed write leaves the
  // previous settings whole); false when they could not be written.
  bool Sync();
  // Where the settings are kept, for a message.
  QString FileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace tmb::ui
