#pragma once
// Instances of the application running side by side, each in a process of its
// own: the settings test's binary started again with "--instance", which
// starts the application with one photo, says it is ready, and runs the exit
// steps when it is told to.

#include <string>
#include <sys/types.h>
#include <vector>

// main() of the test binary hands over to this when its arguments are
// "--instance PHOTO READY_FD GO_FD"; returns the process's exit status.
int RunInstance(const std::string& photo, int readyFd, int goFd);

class InstanceGroup {
 public:
  // Starts one instance for each photo, with the settings under configHome.
  InstanceGroup(const std::vector<std::string>& photos, const std::string& configHome);
  ~InstanceGroup();
  InstanceGroup(const InstanceGroup&) = delete;
  InstanceGroup& operator=(const InstanceGroup&) = delete;

  // Waits, at most 30 seconds, until every instance has started.
  bool AllReady();

  // Lets every instance quit at the same moment; true when all exited with 0
  // within 30 seconds.
  bool QuitAllAtOnce();

 private:
  std::vector<pid_t> children_;
  int ready_ = -1;  // read end: one byte per instance that has started
  int go_ = -1;     // write end: closing it releases every instance at once
};
