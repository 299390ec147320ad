#pragma once
// What happens to one file, seen from the kernel's side (inotify): every open,
// read and close of it by any process, and any write, change of attributes,
// move or deletion, whatever path was used to reach it.

#include <string>

struct FileEvents {
  int opens = 0;
  int reads = 0;
  int closedUnwritten = 0;  // closes of opens that were not for writing
  int closedWritable = 0;   // closes of opens for writing, written to or not
  int modifications = 0;
  int attributeChanges = 0;  // permissions, times, owner, links
  int movedOrDeleted = 0;
  bool overflowed = false;   // events were lost: the counts are not to be trusted

  bool operator==(const FileEvents&) const = default;
};

class FileWatch {
 public:
  explicit FileWatch(const std::string& path);
  ~FileWatch();
  FileWatch(const FileWatch&) = delete;
  FileWatch& operator=(const FileWatch&) = delete;

  bool IsWatching() const { return watch_ >= 0; }

  // The events since the watch began, counted.
  FileEvents Events();

 private:
  int fd_ = -1;
  int watch_ = -1;
  FileEvents events_;
};
