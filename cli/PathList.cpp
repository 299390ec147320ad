#include "PathList.h"

std::vector<std::string> SplitNulSeparated(std::string_view bytes) {
  std::vector<std::string> paths;
  while (!bytes.empty()) {
    const auto end = bytes.find('\0');
    const std::string_view path = bytes.substr(0, end);
    if (!path.empty()) paths.emplace_back(path);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return paths;
}

bool ReadAll(std::FILE* stream, std::string& bytes) {
  char chunk[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, stream)) > 0) bytes.append(chunk, n);
  return std::ferror(stream) == 0;
}
