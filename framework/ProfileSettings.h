#pragma once
// The application's settings, kept where a desktop program keeps them: a
// QSettings file in the native format, on Linux
// $XDG_CONFIG_HOME/<organisation>/<application>.conf, one [section] per group
// of values.
//
// Reading never fails: a missing, unreadable or corrupt file gives the
// defaults and is reported nowhere. Each write replaces the whole file at once
// (QSettings writes a temporary file and renames it over the old one), so a
// crash never leaves half a file; a corrupt file is replaced by a clean one.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QSettings;

class ProfileSettings {
 public:
  ProfileSettings(std::string organisation, std::string application);
  ~ProfileSettings();

  // The entry of section as a number; the default when it is missing or not a
  // number.
  int GetInt(std::string_view section, std::string_view entry, int defaultValue) const;

  // The entry of section as text (UTF-8); the default when it is missing.
  std::string GetString(std::string_view section, std::string_view entry,
                        std::string_view defaultValue) const;

  // Each returns false when the file could not be written.
  bool WriteInt(std::string_view section, std::string_view entry, int value);
  bool WriteString(std::string_view section, std::string_view entry, std::string_view value);

  // Deletes section, then writes entries into it, in one write of the file.
  bool ReplaceSection(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& entries);

  // Deletes the settings file, and the organisation's folder if nothing else
  // is left in it. Returns false if the file is still there.
  bool DeleteAll();

  // The settings file's full path.
  std::string FileName() const;

 private:
  // The settings, opened on first use. QSettings parses a file once per
  // process and reports a fault only to the object that parsed it, so one
  // object serves every read and write, and whether the file was usable is
  // noted when it opens.
  QSettings& Settings() const;

  // The settings ready to be changed: a corrupt file is first replaced by an
  // empty one.
  QSettings& SettingsForWriting();

  // Writes the changes out; true when the file now holds them.
  bool Commit();

  std::string organisation_;
  std::string application_;
  mutable std::unique_ptr<QSettings> settings_;
  mutable bool unusable_ = false;  // unreadable or corrupt when opened: read as defaults
};
