#include "CRecentFileList.h"

#include "framework/ProfileSettings.h"

#include <algorithm>

CRecentFileList::CRecentFileList(std::string section, std::size_t size)
    : section_(std::move(section)), paths_(size) {}

void CRecentFileList::Add(const std::string& path) {
  if (paths_.empty() || path.empty()) return;
  auto found = std::find(paths_.begin(), paths_.end(), path);
  if (found == paths_.end()) found = paths_.end() - 1;
  std::rotate(paths_.begin(), found, found + 1);
  paths_.front() = path;
}

void CRecentFileList::ReadList(const ProfileSettings& settings) {
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    paths_[i] = settings.GetString(section_, EntryName(i), "");
  }
}

bool CRecentFileList::WriteList(ProfileSettings& settings) const {
  std::vector<std::pair<std::string, std::string>> entries;
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    if (!paths_[i].empty()) entries.emplace_back(EntryName(i), paths_[i]);
  }
  return settings.ReplaceSection(section_, entries);
}

// Entries are numbered from 1: File1 is the newest.
std::string CRecentFileList::EntryName(std::size_t index) {
  return "File" + std::to_string(index + 1);
}
