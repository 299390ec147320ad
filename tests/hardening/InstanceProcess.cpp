#include "InstanceProcess.h"

#include "app/CTarvonel6App.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr auto kLimit = std::chrono::seconds(30);

// In the child: keep only its own pipe ends, then run this binary again as an
// instance.
[[noreturn]] void StartInstance(const std::string& photo, int ready, int unusedReady, int go,
                                int unusedGo) {
  ::close(unusedReady);
  ::close(unusedGo);
  const std::string readyFd = std::to_string(ready);
  const std::string goFd = std::to_string(go);
  ::execl("/proc/self/exe", "instance", "--instance", photo.c_str(), readyFd.c_str(), goFd.c_str(),
          static_cast<char*>(nullptr));
  ::_exit(127);
}

}  // namespace

// The application starts as the window would with the photo on its command
// line; once the parent closes its end of the go pipe, read returns 0 in every
// instance at once and each runs its exit steps.
int RunInstance(const std::string& photo, int readyFd, int goFd) {
  CTarvonel6App app;
  app.SetCommandLine({photo});
  if (!app.InitInstance()) return 3;
  const char ready = 1;
  if (::write(readyFd, &ready, 1) != 1) return 4;
  char ignored;
  while (::read(goFd, &ignored, 1) > 0) {
  }
  return app.ExitInstance();
}

InstanceGroup::InstanceGroup(const std::vector<std::string>& photos, const std::string& configHome) {
  int ready[2];
  int go[2];
  if (::pipe(ready) != 0 || ::pipe(go) != 0) return;
  ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
  for (const std::string& photo : photos) {
    const pid_t child = ::fork();
    if (child == 0) StartInstance(photo, ready[1], ready[0], go[0], go[1]);
    if (child > 0) children_.push_back(child);
  }
  ::close(ready[1]);
  ::close(go[0]);
  ready_ = ready[0];
  go_ = go[1];
}

InstanceGroup::~InstanceGroup() {
  if (ready_ >= 0) ::close(ready_);
  if (go_ >= 0) ::close(go_);
  for (const pid_t child : children_) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
}

bool InstanceGroup::AllReady() {
  const auto deadline = std::chrono::steady_clock::now() + kLimit;
  std::size_t started = 0;
  while (started < children_.size() && std::chrono::steady_clock::now() < deadline) {
    pollfd wait{ready_, POLLIN, 0};
    if (::poll(&wait, 1, 100) <= 0) continue;
    char byte;
    if (::read(ready_, &byte, 1) != 1) return false;  // every instance ended
    ++started;
  }
  return started == children_.size();
}

bool InstanceGroup::QuitAllAtOnce() {
  ::close(go_);
  go_ = -1;
  const auto deadline = std::chrono::steady_clock::now() + kLimit;
  bool allSucceeded = true;
  for (auto child = children_.begin(); child != children_.end();) {
    int status = 0;
    const pid_t done = ::waitpid(*child, &status, WNOHANG);
    if (done == *child) {
      allSucceeded = allSucceeded && WIFEXITED(status) && WEXITSTATUS(status) == 0;
      child = children_.erase(child);
    } else if (std::chrono::steady_clock::now() > deadline) {
      return false;  // the destructor kills what is left
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  return allSucceeded;
}
