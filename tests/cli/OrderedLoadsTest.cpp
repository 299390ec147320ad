// Loading a batch on several threads: each file's outcome reaches the caller
// once, in the order of the list, whatever the number of threads and however
// the list falls into their shares; and a caller that gives up part-way is not
// left waiting for the threads.

#include "cli/OrderedLoads.h"
#include "tests/framework/TestFiles.h"
#include "tools/SamplePhoto.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using testfiles::TempFolder;

// Photo k has shutter count 1000 + k; every seventh path names no file and
// every eleventh file is empty, so the three outcomes interleave.
std::vector<std::string> MakeList(const TempFolder& folder, std::size_t count) {
  std::vector<std::string> paths;
  for (std::size_t k = 0; k < count; ++k) {
    const std::string path = folder / ("photo-" + std::to_string(k) + ".jpg");
    if (k % 7 != 3) {
      const std::string bytes =
          k % 11 == 5 ? std::string() : MakeSamplePhoto({.shutterCount = 1000 + k});
      testfiles::WriteFile(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
    paths.push_back(path);
  }
  return paths;
}

// What file k of MakeList must give.
void ExpectOutcomeOf(std::size_t k, const std::string& path, const FileOutcome& outcome) {
  if (k % 7 == 3) {
    EXPECT_EQ(outcome.status, LoadStatus::Failed);
    EXPECT_EQ(outcome.error, "Impossible de trouver " + path + ".");
  } else if (k % 11 == 5) {
    EXPECT_EQ(outcome.status, LoadStatus::Empty);
  } else {
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.report.shutterCount, 1000 + k);
  }
}

TEST(OrderedLoads, EveryOutcomeArrivesOnceInListOrder) {
  const struct {
    const char* name;
    std::size_t files;
    unsigned jobs;
  } rows[] = {
      {"empty list", 0, 4},       {"one file, many threads", 1, 4},
      {"one thread", 300, 1},     {"two threads", 300, 2},
      {"odd share", 130, 3},      {"more threads than shares", 200, 64},
      {"long list", 2000, 2},
  };
  TempFolder folder;
  const std::vector<std::string> paths = MakeList(folder, 2000);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<std::string> list(paths.begin(), paths.begin() + row.files);
    std::size_t next = 0;

    LoadInOrder(list, row.jobs, [&](std::size_t k, const FileOutcome& outcome) {
      ASSERT_EQ(k, next);
      ExpectOutcomeOf(k, list[k], outcome);
      ++next;
    });

    EXPECT_EQ(next, row.files);
  }
}

// The threads may be waiting for room when the caller stops taking outcomes;
// they must be released and joined, not left to hang the program.
TEST(OrderedLoads, ACallerThatStopsEarlyIsNotKeptWaiting) {
  TempFolder folder;
  const std::vector<std::string> paths = MakeList(folder, 1500);
  const std::size_t descriptors = testfiles::OpenDescriptorCount();
  std::size_t seen = 0;

  EXPECT_THROW(LoadInOrder(paths, 3,
                           [&](std::size_t k, const FileOutcome&) {
                             ++seen;
                             if (k == 100) throw std::runtime_error("stop");
                           }),
               std::runtime_error);

  EXPECT_EQ(seen, 101U);
  EXPECT_EQ(testfiles::OpenDescriptorCount(), descriptors);
}

}  // namespace
