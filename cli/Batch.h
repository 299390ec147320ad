#pragma once
// Runs the analysis over a list of files, each one on its own, and prints
// every outcome.

#include <string>
#include <vector>

// Prints each file's report (text or JSON lines) on standard output and each
// failure on standard error, in the order of paths, loading on `jobs` threads.
// Returns the exit status: 0 when every file was read (an empty file counts as
// read), 1 when any could not be.
int RunBatch(const std::vector<std::string>& paths, bool json, unsigned jobs);
