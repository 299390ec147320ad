#pragma once
// Helpers shared by the file and document tests: a throw-away folder, files
// written into it, the messages the framework shows, and the process's open
// descriptors.

#include "framework/MessageBox.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testfiles {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends. Its path is canonical, so it is exactly what the
// open sequence resolves paths inside it to.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvonel6-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = std::filesystem::canonical(pattern);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Writes bytes to path, replacing what was there.
inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// size bytes whose value follows their position, offset by seed, so that two
// files (and a file and a zero fill) never look alike.
inline std::vector<std::uint8_t> PatternBytes(std::size_t size, std::uint8_t seed = 1) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::uint8_t>(((i * 7) + seed) % 251 + 1);
  }
  return bytes;
}

// Collects every message the framework shows while it lives, then puts the
// previous handler back.
class MessageCapture {
 public:
  MessageCapture()
      : previous_(SetMessageHandler([this](std::string_view text, MessageIcon icon) {
          messages.emplace_back(text);
          icons.push_back(icon);
        })) {}
  ~MessageCapture() { SetMessageHandler(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;

 private:
  MessageHandler previous_;
};

// How many descriptors the process has open right now.
inline std::size_t OpenDescriptorCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

// A message text with "%1" replaced by path, as the framework fills it in.
inline std::string WithPath(std::string text, const std::string& path) {
  if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, path);
  return text;
}

}  // namespace testfiles
