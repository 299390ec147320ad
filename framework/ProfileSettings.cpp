#include "ProfileSettings.h"

#include "framework/QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(std::string_view section, std::string_view entry) {
  return ToQString(section) + u'/' + ToQString(entry);
}

}  // namespace

ProfileSettings::ProfileSettings(std::string organisation, std::string application)
    : organisation_(std::move(organisation)), application_(std::move(application)) {}

ProfileSettings::~ProfileSettings() = default;

// QSettings parses a section only when it is first read, so every key is read
// here once to find a fault anywhere in the file.
QSettings& ProfileSettings::Settings() const {
  if (!settings_) {
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            ToQString(organisation_), ToQString(application_));
    settings_->allKeys();
    unusable_ = settings_->status() != QSettings::NoError;
  }
  return *settings_;
}

// QSettings keeps reporting a fault once it has seen one, so after the empty
// file is written a fresh object carries on from it.
QSettings& ProfileSettings::SettingsForWriting() {
  QSettings& settings = Settings();
  if (unusable_ && settings.status() == QSettings::FormatError) {
    settings.clear();
    settings.sync();
    settings_.reset();
  }
  return Settings();
}

bool ProfileSettings::Commit() {
  QSettings& settings = Settings();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

int ProfileSettings::GetInt(std::string_view section, std::string_view entry,
                            int defaultValue) const {
  const QVariant value = Settings().value(Key(section, entry));
  bool isNumber = false;
  const int number = value.toInt(&isNumber);
  return !unusable_ && isNumber ? number : defaultValue;
}

std::string ProfileSettings::GetString(std::string_view section, std::string_view entry,
                                       std::string_view defaultValue) const {
  const QVariant value = Settings().value(Key(section, entry));
  if (unusable_ || value.typeId() != QMetaType::QString) return std::string(defaultValue);
  return value.toString().toStdString();
}

bool ProfileSettings::WriteInt(std::string_view section, std::string_view entry, int value) {
  SettingsForWriting().setValue(Key(section, entry), value);
  return Commit();
}

bool ProfileSettings::WriteString(std::string_view section, std::string_view entry,
                                  std::string_view value) {
  SettingsForWriting().setValue(Key(section, entry), ToQString(value));
  return Commit();
}

bool ProfileSettings::ReplaceSection(
    std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries) {
  QSettings& settings = SettingsForWriting();
  settings.remove(ToQString(section));
  for (const auto& [entry, value] : entries) settings.setValue(Key(section, entry), ToQString(value));
  return Commit();
}

// QDir::rmdir removes only an empty folder: exactly "if nothing else is left".
// The settings object goes first, so that nothing writes the file again.
bool ProfileSettings::DeleteAll() {
  const QString path = QString::fromStdString(FileName());
  settings_.reset();
  QFile::remove(path);
  const QDir folder = QFileInfo(path).dir();
  folder.rmdir(folder.absolutePath());
  return !QFileInfo::exists(path);
}

std::string ProfileSettings::FileName() const { return Settings().fileName().toStdString(); }
