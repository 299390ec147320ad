#include "CFile.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using Cause = CFileException::Cause;

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
      length_(std::exchange(other.length_, 0)) {}

// Closes this file, then takes over the other's descriptor.
CFile& CFile::operator=(CFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    length_ = std::exchange(other.length_, 0);
  }
  return *this;
}

// Opens, checks the kind of file, locks; on any refusal the descriptor is
// closed again before returning. Non-blocking mode keeps the open of a FIFO
// from hanging; it changes nothing for the regular files that are kept, so it
// is left on.
std::optional<CFileException> CFile::Open(const std::string& path) {
  Close();
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
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

// The kernel names the file behind the descriptor in /proc, links resolved:
// one call, however deep the path. A file deleted since it was opened (or one
// whose name looks like it), or a system without /proc, gives nothing: the
// caller then resolves the path by name.
std::optional<std::string> CFile::GetResolvedPath() const {
  if (fd_ < 0) return std::nullopt;
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
