#include "CCommandLineInfo.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

constexpr std::string_view kExactSwitches[] = {"p", "pt", "dde"};
constexpr std::string_view kAnyCaseSwitches[] = {"Unregister", "Unregserver", "Register",
                                                 "Regserver",  "Embedding",   "Automation"};

}  // namespace

bool CCommandLineInfo::IsSwitchWord(std::string_view word) {
  return std::ranges::find(kExactSwitches, word) != std::end(kExactSwitches) ||
         std::ranges::any_of(kAnyCaseSwitches,
                             [word](std::string_view name) { return EqualsIgnoringCase(word, name); });
}

// Switches: "p" and "pt" in lower case only, "Unregister" and "Unregserver" in
// any case; any other switch is ignored. The first non-empty argument that is
// not a switch is the file; later ones are ignored. Once every argument is
// seen, a file without a switch means "open it"; "p" or "pt" without a file
// is ignored, like an unknown switch.
void CCommandLineInfo::ParseParam(std::string_view param, bool isFlag, bool isLast) {
  if (isFlag) {
    if (param == "p") {
      m_nShellCommand = FilePrint;
    } else if (param == "pt") {
      m_nShellCommand = FilePrintTo;
    } else if (EqualsIgnoringCase(param, "Unregister") || EqualsIgnoringCase(param, "Unregserver")) {
      m_nShellCommand = AppUnregister;
    }
  } else if (m_strFileName.empty()) {
    m_strFileName = std::string(param);
  }
  if (!isLast) return;
  if (m_nShellCommand == FileNew && !m_strFileName.empty()) m_nShellCommand = FileOpen;
  if ((m_nShellCommand == FilePrint || m_nShellCommand == FilePrintTo) && m_strFileName.empty()) {
    m_nShellCommand = FileNew;
  }
}
