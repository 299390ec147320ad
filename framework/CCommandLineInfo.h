#pragma once
// What the command line asks the application to do at start-up. The
// application's ParseCommandLine hands each argument to ParseParam; its
// ProcessShellCommand then carries the request out.

#include <string>
#include <string_view>

class CCommandLineInfo {
 public:
  enum ShellCommand {
    FileNew,        // no file named: a new, untitled document
    FileOpen,       // open m_strFileName
    FilePrint,      // "p": open m_strFileName without showing the window, then end
    FilePrintTo,    // "pt": the same
    AppUnregister,  // "Unregister" or "Unregserver": delete the settings, then end
  };

  virtual ~CCommandLineInfo() = default;

  // Called once per argument, in order. param is the argument without its
  // leading "-" or "/" when isFlag; isLast marks the final argument.
  virtual void ParseParam(std::string_view param, bool isFlag, bool isLast);

  // Whether "/" + word is one of the framework's switches rather than an
  // absolute path: "p", "pt", "dde", and in any case "Unregister",
  // "Unregserver", "Register", "Regserver", "Embedding", "Automation". An
  // argument starting with "-" is always a switch.
  static bool IsSwitchWord(std::string_view word);

  ShellCommand m_nShellCommand = FileNew;
  std::string m_strFileName;  // the first argument that is not a switch, as given
};
