#include "platform/ui/settings_profile.h"

#include <QSettings>

namespace tmb::ui {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// An INI value with unquoted commas reads back as a list: join it again.
QString TextOf(const QVariant& v) {
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
  return v.toString();
}

}  // namespace

SettingsProfile::SettingsProfile()
    : settings_(std::make_unique<QSettings>(QStringLiteral("TamberiLite"), QStringLiteral("Tamberi"))) {}

SettingsProfile::SettingsProfile(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

SettingsProfile::~SettingsProfile() { settings_->sync(); }

int SettingsProfile::GetInt(const std::string& section, const std::string& key, int fallback) {
  QVariant v = settings_->value(KeyOf(section, key));
  if (!v.isValid()) return fallback;
  bool ok = false;
  int value = TextOf(v).trimmed().toInt(&ok);
  return ok ? value : fallback;
}

std::string SettingsProfile::GetString(const std::string& section, const std::string& key,
                                       const std::string& fallback) {
  QVariant v = settings_->value(KeyOf(section, key));
  return v.isValid() ? TextOf(v).toStdString() : fallback;
}

void SettingsProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  settings_->setValue(KeyOf(section, key), value);
}

void SettingsProfile::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
  settings_->setValue(KeyOf(section, key), QString::fromStdString(value));
}

bool SettingsProfile::Sync() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

QString SettingsProfile::FileName() const { return settings_->fileName(); }

}  // namespace tmb::ui
