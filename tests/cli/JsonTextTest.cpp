// JSON string literals: always valid UTF-8, with quotes, backslashes and
// control characters escaped and every stray byte replaced.

#include "cli/JsonText.h"

#include <gtest/gtest.h>

namespace {

struct Row {
  const char* name;
  std::string input;
  std::string expected;  // the literal, quotes included
};

TEST(JsonText, Escaping) {
  const Row rows[] = {
      {"empty", "", "\"\""},
      {"plain", "NIKON D70", "\"NIKON D70\""},
      {"quote-and-backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
      {"c0-controls", std::string("\0\t\n\x1b\x1f", 5), "\"\\u0000\\u0009\\u000a\\u001b\\u001f\""},
      {"delete", "\x7f", "\"\\u007f\""},
      {"c1-controls-from-undefined-bytes", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d",
       "\"\\u0081\\u008d\\u008f\\u0090\\u009d\""},
      {"accents-kept", "N° de série é€", "\"N° de série é€\""},
      {"four-byte-kept", "\xf0\x9f\x93\xb7", "\"\xf0\x9f\x93\xb7\""},
      {"lone-high-byte", "photo-\xff.jpg", "\"photo-\xef\xbf\xbd.jpg\""},
      {"latin1-path", "caf\xe9", "\"caf\xef\xbf\xbd\""},
      {"stray-continuation", "\x80" "a", "\"\xef\xbf\xbd" "a\""},
      {"cut-short-at-end", "a\xe2\x82", "\"a\xef\xbf\xbd\xef\xbf\xbd\""},
      {"cut-short-before-ascii", "\xe2\x82" "A", "\"\xef\xbf\xbd\xef\xbf\xbd" "A\""},
      {"overlong-slash", "\xc0\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
      {"overlong-three-bytes", "\xe0\x80\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
      {"surrogate", "\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
      {"past-u10ffff", "\xf4\x90\x80\x80",
       "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string out;
    AppendJsonString(out, row.input);
    EXPECT_EQ(out, row.expected);
  }
}

}  // namespace
