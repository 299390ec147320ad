#include "RenderLauncher.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kRenderProgram = "tarvonel6-cli-render";

// The folder this program was started from, with its final '/'.
std::string OwnFolder() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  const std::string self(path, static_cast<std::size_t>(n));
  return self.substr(0, self.rfind('/') + 1);
}

}  // namespace

int RunRenderProgram(char** argv) {
  const std::string program = OwnFolder() + kRenderProgram;
  argv[0] = const_cast<char*>(kRenderProgram);
  execv(program.c_str(), argv);
  std::fprintf(stderr, "tarvonel6-cli : impossible de lancer %s : %s\n", program.c_str(),
               std::strerror(errno));
  return 1;
}
