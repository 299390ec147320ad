#include "WriterProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace {

// In the child: lock, tell the parent whether it worked, then wait until the
// parent closes its end of the release pipe (or dies).
[[noreturn]] void HoldLock(const std::string& path, int ready, int release) {
  const int fd = ::open(path.c_str(), O_RDWR);
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;  // l_start 0, l_len 0: the whole file
  const char locked = (fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0) ? 1 : 0;
  if (::write(ready, &locked, 1) != 1) ::_exit(1);
  char ignored;
  while (::read(release, &ignored, 1) > 0) {
  }
  ::_exit(0);
}

// In the child: shrink, write back, forever; the parent kills it.
[[noreturn]] void KeepShrinking(const std::string& path, std::size_t shrunkSize) {
  std::ifstream in(path, std::ios::binary);
  const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const int fd = ::open(path.c_str(), O_WRONLY);
  if (fd < 0) ::_exit(1);
  for (;;) {
    if (::ftruncate(fd, static_cast<off_t>(shrunkSize)) != 0) ::_exit(1);
    if (::pwrite(fd, contents.data(), contents.size(), 0) < 0) ::_exit(1);
  }
}

}  // namespace

// The child keeps only its own pipe ends, so that it sees the end of the
// release pipe as soon as the parent closes its end.
WriteLockHolder::WriteLockHolder(const std::string& path) {
  int ready[2];
  int release[2];
  if (::pipe(ready) != 0) return;
  if (::pipe(release) != 0) {
    ::close(ready[0]);
    ::close(ready[1]);
    return;
  }
  pid_ = ::fork();
  if (pid_ == 0) {
    ::close(ready[0]);
    ::close(release[1]);
    HoldLock(path, ready[1], release[0]);
  }
  ::close(ready[1]);
  ::close(release[0]);
  char locked = 0;
  if (pid_ < 0 || ::read(ready[0], &locked, 1) != 1) locked = 0;
  ::close(ready[0]);
  release_ = release[1];
  locked_ = locked == 1;
}

WriteLockHolder::~WriteLockHolder() {
  if (release_ >= 0) ::close(release_);
  if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
}

FileShrinker::FileShrinker(const std::string& path, std::size_t shrunkSize) {
  pid_ = ::fork();
  if (pid_ == 0) KeepShrinking(path, shrunkSize);
}

FileShrinker::~FileShrinker() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
}
