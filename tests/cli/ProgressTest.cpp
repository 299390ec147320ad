// The progress counter: drawn in place, throttled, always shows the last file,
// erased before other messages and at the end.

#include "cli/Progress.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Everything written to the stream so far.
std::string Contents(std::FILE* stream) {
  std::fflush(stream);
  std::rewind(stream);
  std::string text;
  for (int c; (c = std::fgetc(stream)) != EOF;) text += static_cast<char>(c);
  return text;
}

TEST(Progress, DrawsThrottlesAndErases) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  {
    Progress progress(stream, 500, true);
    progress.Update(1);    // first: drawn
    progress.Update(2);    // within 100 ms of the first: skipped
    progress.Clear();      // before an error message
    progress.Update(3);    // after a clear: drawn again at once
    progress.Update(500);  // the last file: always drawn
  }                        // erased at the end
  EXPECT_EQ(Contents(stream),
            "\rAnalyse : 1 / 500\r\033[K\rAnalyse : 3 / 500\rAnalyse : 500 / 500\r\033[K");
  std::fclose(stream);
}

TEST(Progress, DisabledWritesNothing) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  {
    Progress progress(stream, 500, false);
    progress.Update(1);
    progress.Update(500);
  }
  EXPECT_EQ(Contents(stream), "");
  std::fclose(stream);
}

}  // namespace
