#include "CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using Cause = CFileException::Cause;

// A folder is refused as access denied; anything else that is not a plain file
// (FIFO, socket, device) as an invalid file, before a single byte is read.
std::optional<Cause> RefuseNonRegular(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return CFileException::CauseFromErrno(errno);
  if (S_ISDIR(info.st_mode)) return Cause::accessDenied;
  if (!S_ISREG(info.st_mode)) return Cause::invalidFile;
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

// Non-blocking mode was only needed so that opening a FIFO cannot hang; a
// regular file is read normally.
void ClearNonBlocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

}  // namespace

// Closes whatever is still open.
CFile::~CFile() { Close(); }

// Takes over the other file's descriptor.
CFile::CFile(CFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

// Closes this file, then takes over the other's descriptor.
CFile& CFile::operator=(CFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

// Opens, checks the kind of file, locks; on any refusal the descriptor is
// closed again before returning.
std::optional<CFileException> CFile::Open(const std::string& fullPath) {
  Close();
  const int fd = ::open(fullPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    return CFileException(CFileException::CauseFromErrno(error), fullPath, error);
  }
  fd_ = fd;
  path_ = fullPath;
  std::optional<Cause> refusal = RefuseNonRegular(fd_);
  if (!refusal) refusal = LockAgainstWriters(fd_);
  if (refusal) {
    Close();
    return CFileException(*refusal, fullPath);
  }
  ClearNonBlocking(fd_);
  return std::nullopt;
}

// Loops until count bytes are in, the file ends, or a real error occurs.
std::size_t CFile::Read(void* buffer, std::size_t count) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd_, bytes + done, count - done);
    if (got > 0) {
      done += static_cast<std::size_t>(got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      const int error = errno;
      throw CFileException(CFileException::CauseFromErrno(error), path_, error);
    }
  }
  return done;
}

// Asks the system for the current size of the open file.
std::uint64_t CFile::GetLength() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) {
    const int error = errno;
    throw CFileException(CFileException::CauseFromErrno(error), path_, error);
  }
  return static_cast<std::uint64_t>(info.st_size);
}

// Closing a descriptor that was only read cannot lose data, so its result is
// not reported.
void CFile::Close() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}
