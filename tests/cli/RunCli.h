#pragma once
// Runs the built tarvonel6-cli as a user would, and collects what it did.

#include <filesystem>
#include <string>
#include <vector>

struct CliRun {
  int exitCode = -1;  // -1 if it did not exit normally
  std::string out;
  std::string err;
};

// Runs tarvonel6-cli with args, feeding stdinBytes through a pipe. Standard
// output and error are kept apart; stderr is not a terminal, so no progress.
CliRun RunCli(const std::vector<std::string>& args, const std::string& stdinBytes = {});

// A fresh empty folder under the system's temporary folder, removed when the
// object goes away.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes bytes to a file of this folder and returns its full path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};
