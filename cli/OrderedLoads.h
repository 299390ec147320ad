#pragma once
// Loads the photos of a batch on several threads at once and hands every
// outcome back on the calling thread, in the order of the list, so that what
// is printed does not depend on which thread finished first.

#include "FileOutcome.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Receives each file's outcome with the file's index in the list.
using OutcomeSink = std::function<void(std::size_t index, const FileOutcome& outcome)>;

// Loads every path on `jobs` threads and calls sink once per path, in order,
// on the calling thread. One job, or a list too short to share, is loaded on
// the calling thread alone. However long the list, the threads run at most a
// few dozen files a thread ahead of sink, so memory stays flat.
void LoadInOrder(const std::vector<std::string>& paths, unsigned jobs, const OutcomeSink& sink);
