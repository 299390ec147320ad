#include "FileWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>

FileWatch::FileWatch(const std::string& path) {
  fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ >= 0) watch_ = ::inotify_add_watch(fd_, path.c_str(), IN_ALL_EVENTS);
}

FileWatch::~FileWatch() {
  if (fd_ >= 0) ::close(fd_);
}

// Reads every event queued so far (the descriptor never blocks) and adds each
// to its count.
FileEvents FileWatch::Events() {
  alignas(inotify_event) std::array<char, 64 * 1024> buffer;
  for (;;) {
    const ssize_t size = fd_ < 0 ? -1 : ::read(fd_, buffer.data(), buffer.size());
    if (size <= 0) break;
    for (ssize_t at = 0; at < size;) {
      inotify_event event;
      std::memcpy(&event, buffer.data() + at, sizeof event);
      at += static_cast<ssize_t>(sizeof event + event.len);
      events_.opens += (event.mask & IN_OPEN) != 0;
      events_.reads += (event.mask & IN_ACCESS) != 0;
      events_.closedUnwritten += (event.mask & IN_CLOSE_NOWRITE) != 0;
      events_.closedWritable += (event.mask & IN_CLOSE_WRITE) != 0;
      events_.modifications += (event.mask & IN_MODIFY) != 0;
      events_.attributeChanges += (event.mask & IN_ATTRIB) != 0;
      events_.movedOrDeleted += (event.mask & (IN_MOVE_SELF | IN_DELETE_SELF)) != 0;
      events_.overflowed = events_.overflowed || (event.mask & IN_Q_OVERFLOW) != 0;
    }
  }
  return events_;
}
