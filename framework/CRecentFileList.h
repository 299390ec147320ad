#pragma once
// The recent-file list: the full paths of the last files opened, newest first,
// kept in the settings as entries "File1", "File2", ... of one section.

#include <cstddef>
#include <string>
#include <vector>

class ProfileSettings;

class CRecentFileList {
 public:
  CRecentFileList(std::string section, std::size_t size);

  // Puts path first; an equal path already listed moves up, and the oldest
  // entry drops off a full list.
  void Add(const std::string& path);

  // Fills the list from the settings; missing entries stay empty.
  void ReadList(const ProfileSettings& settings);

  // Replaces the section with the list's non-empty entries.
  bool WriteList(ProfileSettings& settings) const;

  // Entry index, 0 for the newest; empty when there is none.
  const std::string& operator[](std::size_t index) const { return paths_[index]; }
  std::size_t GetSize() const { return paths_.size(); }

 private:
  static std::string EntryName(std::size_t index);

  std::string section_;
  std::vector<std::string> paths_;
};
