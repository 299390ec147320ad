// The search and hex-text helpers, each row checked on the fast helper and on
// its reference.

#include "analysis/CaptureSearch.h"
#include "tests/analysis/TestCapture.h"
#include "tests/reference/ReferenceHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace {

using namespace std::string_view_literals;

struct FindRow {
  const char* name;
  std::function<TestCapture()> capture;
  std::string_view pattern;
  std::optional<std::int32_t> lastStart;
  std::optional<std::int32_t> expected;
};

TEST(FindPattern, FirstWholeMatchWithinTheTriedStarts) {
  const FindRow rows[] = {
      {"at position 0", [] { return TestCapture().Put(0, "NIKON D70"); }, "NIKON D", {}, 0},
      {"two matches give the lower",
       [] { return TestCapture().Put(900, "NO=").Put(400, "NO="); }, "NO=", {}, 400},
      {"inner byte differs",
       [] { return TestCapture().Put(100, "NIKXN D").Put(200, "NIKON D"); }, "NIKON D", {}, 200},
      {"last byte differs",
       [] { return TestCapture().Put(100, "NIKON E").Put(300, "NIKON D"); }, "NIKON D", {}, 300},
      {"overlapping near-match",
       [] { return TestCapture().Put(10, "NIKONIKON D"); }, "NIKON D", {}, 14},
      {"across a 64-start boundary", [] { return TestCapture().Put(62, "NIKON D"); },
       "NIKON D", {}, 62},
      {"at the first start of a block", [] { return TestCapture().Put(128, "PKG"); }, "PKG", {},
       128},
      {"PKG at the last start tried", [] { return TestCapture().Put(3000, "PKG"); }, "PKG", 3000,
       3000},
      {"PKG one past the last start", [] { return TestCapture().Put(3001, "PKG"); }, "PKG", 3000,
       {}},
      {"last start past the end", [] { return TestCapture(50).Put(47, "PKG"); }, "PKG", 3000, 47},
      {"negative last start", [] { return TestCapture().Put(0, "PKG"); }, "PKG", -1, {}},
      {"pattern ending at the last byte", [] { return TestCapture().Put(4993, "NIKON D"); },
       "NIKON D", {}, 4993},
      {"pattern would straddle the end", [] { return TestCapture().Put(4995, "NIKON"); },
       "NIKON D", {}, {}},
      {"zero byte inside the pattern", [] { return TestCapture().Put(7, {0xA7, 0x00, 0x04}); },
       "\xA7\x00\x04"sv, {}, 7},
      {"zero at the pattern's end never matches the end",
       [] { return TestCapture(8).Put(7, "A"); }, "A\0"sv, {}, {}},
      {"match in the tail of an odd-length view", [] { return TestCapture(101).Put(98, "NO="); },
       "NO=", {}, 98},
      {"view shorter than the pattern", [] { return TestCapture(2).Put(0, "NO"); }, "NO=", {}, {}},
      {"empty view", [] { return TestCapture(0); }, "NO=", {}, {}},
      {"empty pattern matches at 0", [] { return TestCapture(0); }, "", {}, 0},
      {"other pattern length", [] { return TestCapture().Put(70, "NIKONIKON"); }, "NIKON", 80, 70},
      {"other length after its last start", [] { return TestCapture().Put(81, "NIKON"); }, "NIKON",
       80, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const TestCapture capture = row.capture();
    EXPECT_EQ(FindPattern(capture.View(), row.pattern, row.lastStart), row.expected);
    EXPECT_EQ(ReferenceFindPattern(capture.View(), row.pattern, row.lastStart), row.expected);
  }
}

TEST(ByteToHexPair, TwoLowerCaseDigitsHighFirst) {
  const struct {
    std::uint8_t byte;
    const char* expected;
  } rows[] = {{0x00, "00"}, {0x07, "07"}, {0x0A, "0a"}, {0x4A, "4a"}, {0x7F, "7f"},
              {0x80, "80"}, {0xA7, "a7"}, {0xFF, "ff"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(ByteToHexPair(row.byte), row.expected);
    EXPECT_EQ(ReferenceByteToHexPair(row.byte), row.expected);
  }
}

TEST(HexTextToInt, LowerCaseDigitsOnlyWithWrapping) {
  const struct {
    const char* name;
    std::string_view text;
    std::int32_t expected;
  } rows[] = {
      {"entry bytes", "a70004", 10944516},
      {"leading zeros", "00ff10", 65296},
      {"upper case is skipped", "FF", 0},
      {"all bits set", "ffffffff", -1},
      {"top bit only", "80000000", std::numeric_limits<std::int32_t>::min()},
      {"largest positive", "7fffffff", std::numeric_limits<std::int32_t>::max()},
      {"empty", "", 0},
      {"nine digits drop the first", "f12345678", 0x12345678},
      {"other characters are skipped", "a-B g1\0"sv, 0xA1},
      {"bytes above 0x7f are skipped", "\xE9" "1", 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(HexTextToInt(row.text), row.expected);
    EXPECT_EQ(ReferenceHexTextToInt(row.text), row.expected);
  }
}

TEST(CopyCaptureBytes, AppendsNonZeroBytesInOrder) {
  const TestCapture capture = TestCapture(8).Put(0, {0x31, 0x32, 0x00, 0x33, 0xE9, 0x80, 0x7F, 0x01});
  const struct {
    const char* name;
    std::string before;
    std::int32_t first;
    std::int32_t count;
    std::string expected;
  } rows[] = {
      {"zero byte left out, the rest kept", "", 0, 4, "123"},
      {"bytes above 0x7f unchanged", "", 4, 2, "\xE9\x80"},
      {"appends to what is there", "x", 0, 2, "x12"},
      {"nothing for count 0", "x", 0, 0, "x"},
      {"nothing for a negative count", "x", 3, -5, "x"},
      {"positions before 0 read as zero", "", -3, 5, "12"},
      {"positions past the end read as zero", "", 6, 10, "\x7F\x01"},
      {"wholly past the end", "", 100, 8, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string fast = row.before;
    CopyCaptureBytes(fast, capture.View(), row.first, row.count);
    EXPECT_EQ(fast, row.expected);
    std::string reference = row.before;
    ReferenceCopyCaptureBytes(reference, capture.View(), row.first, row.count);
    EXPECT_EQ(reference, row.expected);
  }
}

// first + count would overflow 32 bits; the copy must neither wrap nor read.
TEST(CopyCaptureBytes, RangesAtThe32BitLimitDoNotWrap) {
  const TestCapture capture = TestCapture(4).Put(0, "ABCD");
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  std::string text;
  CopyCaptureBytes(text, capture.View(), max - 1, max);
  CopyCaptureBytes(text, capture.View(), std::numeric_limits<std::int32_t>::min(), max);
  EXPECT_EQ(text, "");
  CopyCaptureBytes(text, capture.View(), -2, max);
  EXPECT_EQ(text, "ABCD");
}

}  // namespace
