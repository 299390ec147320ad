// Paths read from standard input, NUL-separated as `find -print0` writes them.

#include "cli/PathList.h"

#include <gtest/gtest.h>

namespace {

TEST(PathList, SplitsOnNulOnly) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"nothing", "", {}},
      {"final-nul", std::string("a.jpg\0b.jpg\0", 12), {"a.jpg", "b.jpg"}},
      {"no-final-nul", std::string("a.jpg\0b.jpg", 11), {"a.jpg", "b.jpg"}},
      {"empty-entries-skipped", std::string("\0\0a\0\0", 5), {"a"}},
      {"spaces-and-newlines-kept", std::string(" x y\n.jpg\0", 10), {" x y\n.jpg"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SplitNulSeparated(row.bytes), row.expected);
  }
}

}  // namespace
