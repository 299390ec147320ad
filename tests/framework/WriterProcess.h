#pragma once
// Other programs acting on a file while Tarvonel6 opens it: each is a child
// process that starts in the constructor and is ended by the destructor.

#include <string>
#include <sys/types.h>

// Holds a classic fcntl write lock on the whole file, as a program writing the
// photo would, until it goes away.
class WriteLockHolder {
 public:
  explicit WriteLockHolder(const std::string& path);
  ~WriteLockHolder();
  WriteLockHolder(const WriteLockHolder&) = delete;
  WriteLockHolder& operator=(const WriteLockHolder&) = delete;

  // Whether the child got its lock (the constructor waits until it knows).
  bool Locked() const { return locked_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;  // closing it tells the child to let go
  bool locked_ = false;
};

// Cuts the file down to shrunkSize and writes its first contents back, over
// and over, so that a reader may find it shorter than when it opened it.
class FileShrinker {
 public:
  FileShrinker(const std::string& path, std::size_t shrunkSize);
  ~FileShrinker();
  FileShrinker(const FileShrinker&) = delete;
  FileShrinker& operator=(const FileShrinker&) = delete;

 private:
  pid_t pid_ = -1;
};
