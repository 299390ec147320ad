#pragma once
// What became of one file of the batch.

#include "analysis/PhotoReport.h"

#include <string>

enum class LoadStatus {
  Loaded,  // its first bytes were read and analysed
  Empty,   // an empty file: nothing was read (not a failure)
  Failed,  // it could not be opened or read; error holds the French message
};

struct FileOutcome {
  LoadStatus status = LoadStatus::Failed;
  PhotoReport report;  // meaningful only when Loaded
  std::string error;   // UTF-8, the full path filled in; only when Failed
};
