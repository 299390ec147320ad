#include "CFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <linux/openat2.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

using Cause = CFileException::Cause;

constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

// An absolute path with no empty, "." or ".." component, no trailing slash
// and no NUL byte cutting it short: once the kernel has walked it without
// meeting a symbolic link, it is the file's full path, letter for letter.
bool IsPlainAbsolute(std::string_view path) {
  if (path.size() < 2 || path.front() != '/' || path.back() == '/') return false;
  if (path.find('\0') != std::string_view::npos) return false;
  for (std::size_t start = 1; start <= path.size();) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}

// Opens path only if no component of it is a symbolic link; -1 otherwise, or
// when the kernel is too old for openat2 or a sandbox forbids it.
int OpenWithoutLinks(const std::string& path) {
#ifdef SYS_openat2
  open_how how{};
  how.flags = kOpenFlags;
  how.resolve = RESOLVE_NO_SYMLINKS;
  return static_cast<int>(::syscall(SYS_openat2, AT_FDCWD, path.c_str(), &how, sizeof how));
#else
  return -1;
#endif
}

// A folder is refused as access denied; anything else that is not a plain file
// (FIFO, socket, device) as an invalid file, before a single byte is read.
// Otherwise the file's length is stored in length.
std::optional<Cause> RefuseNonRegular(int fd, std::uint64_t& length) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return CFileException::CauseFromErrno(errno);
  if (S_ISDIR(info.st_mode)) return Cause::accessDenied;
  if (!S_ISREG(info.st_mode)) return Cause::invalidFile;
  length = static_cast<std::uint64_t>(info.st_size);
  return std::nullopt;
}

// Takes a shared lock on the whole file for as long as this descriptor is
// open. Another process (or another open of the file) that holds a write lock
// makes this a sharing violation. A file system without locks is read anyway:
// the lock only keeps cooperating writers away, and refusing every photo there
// would be worse.
std::optional<Cause> LockAgainstWriters(int fd) {
  struct flock lock {};
  lock.l_type = F_RDLCK;
  lock.l_whence = SEEK_SET;  // l_start 0, l_len 0: the whole file
  if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return std::nullopt;
  if (errno == EAGAIN || errno == EACCES) return Cause::sharingViolation;
  return std::nullopt;
}

}  // namespace

// Closes whatever is still open.
CFile::~CFile() { Close(); }

// Takes over the other file's descriptor.
CFile::CFile(CFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      length_(std::exchange(other.length_, 0)),
      pathIsResolved_(std::exchange(other.pathIsResolved_, false)) {}

// Closes this file, then takes over the other's descriptor.
CFile& CFile::operator=(CFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    length_ = std::exchange(other.length_, 0);
    pathIsResolved_ = std::exchange(other.pathIsResolved_, false);
  }
  return *this;
}

// Opens, checks the kind of file, locks; on any refusal the descriptor is
// closed again before returning. Non-blocking mode keeps the open of a FIFO
// from hanging; it changes nothing for the regular files that are kept, so it
// is left on. A plain absolute path is first opened with links forbidden: when
// that succeeds, the path as given is already the full path and asking the
// kernel for it later costs nothing. Any failure there (a link on the way, a
// missing file, an old kernel) goes through the ordinary open, whose error is
// the one reported.
std::optional<CFileException> CFile::Open(const std::string& path) {
  Close();
  int fd = IsPlainAbsolute(path) ? OpenWithoutLinks(path) : -1;
  pathIsResolved_ = fd >= 0;
  if (fd < 0) fd = ::open(path.c_str(), kOpenFlags);
  if (fd < 0) {
    const int error = errno;
    return CFileException(CFileException::CauseFromErrno(error), path, error);
  }
  fd_ = fd;
  path_ = path;
  std::optional<Cause> refusal = RefuseNonRegular(fd_, length_);
  if (!refusal) refusal = LockAgainstWriters(fd_);
  if (refusal) {
    Close();
    return CFileException(*refusal, path);
  }
  return std::nullopt;
}

// A path opened without meeting a link is its own answer. Otherwise the kernel
// names the file behind the descriptor in /proc, links resolved: one call,
// however deep the path. A file deleted since it was opened (or one whose name
// looks like it), or a system without /proc, gives nothing: the caller then
// resolves the path by name.
std::optional<std::string> CFile::GetResolvedPath() const {
  if (fd_ < 0) return std::nullopt;
  if (pathIsResolved_) return path_;
  const std::string link = "/proc/self/fd/" + std::to_string(fd_);
  std::array<char, 4096> target{};
  const ssize_t size = ::readlink(link.c_str(), target.data(), target.size());
  if (size <= 0 || static_cast<std::size_t>(size) >= target.size() || target[0] != '/') {
    return std::nullopt;
  }
  std::string resolved(target.data(), static_cast<std::size_t>(size));
  if (resolved.ends_with(" (deleted)")) return std::nullopt;
  return resolved;
}

// Loops until count bytes are in, the file ends, or a real error occurs. A
// short read that reaches the length seen at open is the end of the file, so
// the usual short photo costs one read, not two.
std::size_t CFile::Read(void* buffer, std::size_t count) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd_, bytes + done, count - done);
    if (got > 0) {
      done += static_cast<std::size_t>(got);
      if (done < count && done >= length_) break;
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      const int error = errno;
      throw CFileException(CFileException::CauseFromErrno(error), path_, error);
    }
  }
  return done;
}

// Closing a descriptor that was only read cannot lose data, so its result is
// not reported.
void CFile::Close() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}
