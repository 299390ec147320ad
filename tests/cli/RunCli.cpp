#include "RunCli.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// In the child: stdin from the pipe, stdout and stderr to the two files, then
// the program itself.
[[noreturn]] void StartChild(int stdinRead, int stdinWrite, const std::string& outPath,
                             const std::string& errPath, const std::vector<std::string>& args) {
  const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (out < 0 || err < 0) _exit(127);
  dup2(stdinRead, 0);
  dup2(out, 1);
  dup2(err, 2);
  close(stdinRead);
  close(stdinWrite);
  std::vector<char*> argv;
  static std::string program = TARVONEL6_CLI;
  argv.push_back(program.data());
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdinBytes) {
  // A program that stops before reading all of stdin must not kill the test.
  signal(SIGPIPE, SIG_IGN);
  TempFolder folder;
  const std::string outPath = (folder.Path() / "out").string();
  const std::string errPath = (folder.Path() / "err").string();
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) StartChild(pipeFds[0], pipeFds[1], outPath, errPath, args);
  close(pipeFds[0]);
  for (std::size_t done = 0; done < stdinBytes.size();) {
    const ssize_t n = write(pipeFds[1], stdinBytes.data() + done, stdinBytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  close(pipeFds[1]);
  int status = 0;
  CliRun run;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
    run.exitCode = WEXITSTATUS(status);
  run.out = ReadFile(outPath);
  run.err = ReadFile(errPath);
  return run;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvonel6-cli-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.string();
}
