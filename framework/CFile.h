#pragma once
// A file opened for reading: owns its descriptor and closes it when it goes
// out of scope, so no handle outlives the open that needed it.

#include "framework/CFileException.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class CFile {
 public:
  CFile() = default;
  ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;
  CFile(CFile&& other) noexcept;
  CFile& operator=(CFile&& other) noexcept;

  // Opens the regular file at path for reading, without ever blocking, and
  // takes a shared lock so that no one may write it while it is open. Returns
  // the error, or nothing when the file is open.
  std::optional<CFileException> Open(const std::string& path);

  // Reads up to count bytes from the current position, retrying interrupted
  // and short reads; returns fewer than count only at the end of the file.
  // Throws CFileException when the system reports a read error.
  std::size_t Read(void* buffer, std::size_t count);

  // The file's length in bytes, as the system gave it when the file was opened.
  std::uint64_t GetLength() const { return length_; }

  // The absolute path of the open file with every symbolic link resolved, as
  // the system knows it from the descriptor; nothing when it cannot tell.
  std::optional<std::string> GetResolvedPath() const;

  // Closes the file (and drops its lock); harmless when nothing is open.
  void Close() noexcept;

  bool IsOpen() const { return fd_ >= 0; }
  const std::string& GetFilePath() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
  std::uint64_t length_ = 0;
  bool pathIsResolved_ = false;  // path_ is already the full path, links and all
};
