#pragma once
// Runs a built program as a user would, with a time limit, so that a test can
// show it neither hangs nor crashes.

#include <chrono>
#include <string>
#include <vector>

struct ProgramRun {
  bool timedOut = false;  // killed after the time limit
  int exitCode = -1;      // -1 unless it exited normally
  int signal = 0;         // the signal that ended it, if one did
  std::string out;
  std::string err;
};

// Runs program with args, standard input empty, and standard output and error
// each into a file of its own; kills it when it is still running after limit.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      std::chrono::milliseconds limit = std::chrono::seconds(20));
