#include "VersionInfo.h"

namespace {

constexpr VersionString kStrings[] = {
    {"Comments", ""},
    {"CompanyName", ""},
    {"FileDescription", "Application MFC Tarvonel6"},
    {"InternalName", "Tarvonel6"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Tarvonel6.EXE"},
    {"PrivateBuild", ""},
    {"ProductName", "Application Tarvonel6"},
    {"SpecialBuild", ""},
};

constexpr VersionInfo kVersion{{6, 0, 2, 0}, {6, 0, 2, 0}, 0x040C, 1200, kStrings};

// The four numbers joined by separator.
std::string Join(const std::array<unsigned, 4>& version, std::string_view separator) {
  std::string text;
  for (unsigned number : version) {
    if (!text.empty()) text += separator;
    text += std::to_string(number);
  }
  return text;
}

}  // namespace

const VersionInfo& ProgramVersion() { return kVersion; }

std::string VersionWithCommas(const std::array<unsigned, 4>& version) { return Join(version, ", "); }

std::string VersionWithDots(const std::array<unsigned, 4>& version) { return Join(version, "."); }
