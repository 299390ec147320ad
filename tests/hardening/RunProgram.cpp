#include "RunProgram.h"

#include "tests/framework/TestFiles.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// In the child: stdin from /dev/null, stdout and stderr to the two files, then
// the program itself.
[[noreturn]] void StartChild(const std::string& program, const std::vector<std::string>& args,
                             const std::string& outPath, const std::string& errPath) {
  const int in = ::open("/dev/null", O_RDONLY);
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0 || err < 0) ::_exit(127);
  ::dup2(in, 0);
  ::dup2(out, 1);
  ::dup2(err, 2);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

}  // namespace

// Polls for the child's end every few milliseconds up to the limit, so that a
// hung program costs the test its limit and no more.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      std::chrono::milliseconds limit) {
  const testfiles::TempFolder folder;
  const std::string outPath = folder / "out";
  const std::string errPath = folder / "err";
  ProgramRun run;
  const pid_t child = ::fork();
  if (child < 0) return run;
  if (child == 0) StartChild(program, args, outPath, errPath);
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      run.timedOut = true;
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  run.out = ReadWhole(outPath);
  run.err = ReadWhole(errPath);
  return run;
}
