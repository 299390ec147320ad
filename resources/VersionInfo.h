#pragma once
// The program's version data: numbers, language and the named strings that
// describe the executable.

#include <array>
#include <span>
#include <string>
#include <string_view>

struct VersionString {
  std::string_view name;
  std::string_view value;
};

struct VersionInfo {
  std::array<unsigned, 4> fileVersion;
  std::array<unsigned, 4> productVersion;
  unsigned language;   // 0x040C: French (France)
  unsigned codePage;   // 1200: the strings' code page (UTF-16) where the data is stored
  std::span<const VersionString> strings;  // besides FileVersion and ProductVersion
};

const VersionInfo& ProgramVersion();

// "6, 0, 2, 0": the form the version strings take.
std::string VersionWithCommas(const std::array<unsigned, 4>& version);

// "6.0.2.0": the form shown to the user.
std::string VersionWithDots(const std::array<unsigned, 4>& version);
