#include "ProfileSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(std::string_view section, std::string_view entry) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + u'/' +
         QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ProfileSettings::ProfileSettings(std::string organisation, std::string application)
    : organisation_(std::move(organisation)), application_(std::move(application)) {}

// QSettings parses sections only when they are first read, so every key is
// read here once to find a fault anywhere in the file.
std::unique_ptr<QSettings> ProfileSettings::OpenForReading() const {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              Text(organisation_), Text(application_));
  settings->allKeys();
  if (settings->status() != QSettings::NoError) return nullptr;
  return settings;
}

std::unique_ptr<QSettings> ProfileSettings::OpenForWriting() {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              Text(organisation_), Text(application_));
  settings->allKeys();
  if (settings->status() == QSettings::FormatError) settings->clear();
  return settings;
}

bool ProfileSettings::Commit(QSettings& settings) {
  settings.sync();
  return settings.status() == QSettings::NoError;
}

int ProfileSettings::GetInt(std::string_view section, std::string_view entry,
                            int defaultValue) const {
  const auto settings = OpenForReading();
  if (!settings) return defaultValue;
  bool isNumber = false;
  const int value = settings->value(Key(section, entry)).toInt(&isNumber);
  return isNumber ? value : defaultValue;
}

std::string ProfileSettings::GetString(std::string_view section, std::string_view entry,
                                       std::string_view defaultValue) const {
  const auto settings = OpenForReading();
  const QVariant value = settings ? settings->value(Key(section, entry)) : QVariant();
  if (value.typeId() != QMetaType::QString) return std::string(defaultValue);
  return value.toString().toStdString();
}

bool ProfileSettings::WriteInt(std::string_view section, std::string_view entry, int value) {
  const auto settings = OpenForWriting();
  settings->setValue(Key(section, entry), value);
  return Commit(*settings);
}

bool ProfileSettings::WriteString(std::string_view section, std::string_view entry,
                                  std::string_view value) {
  const auto settings = OpenForWriting();
  settings->setValue(Key(section, entry), Text(value));
  return Commit(*settings);
}

bool ProfileSettings::ReplaceSection(
    std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries) {
  const auto settings = OpenForWriting();
  settings->remove(Text(section));
  for (const auto& [entry, value] : entries) settings->setValue(Key(section, entry), Text(value));
  return Commit(*settings);
}

// QDir::rmdir removes only an empty folder: exactly "if nothing else is left".
bool ProfileSettings::DeleteAll() {
  const QString path = QString::fromStdString(FileName());
  QFile::remove(path);
  const QDir folder = QFileInfo(path).dir();
  folder.rmdir(folder.absolutePath());
  return !QFileInfo::exists(path);
}

std::string ProfileSettings::FileName() const {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Text(organisation_),
                           Text(application_));
  return settings.fileName().toStdString();
}
