#pragma once
// JSON string literals that are valid UTF-8 whatever bytes they are given.

#include <string>
#include <string_view>

// Appends text as a quoted JSON string. Text is read as UTF-8: each byte that
// is not part of a valid UTF-8 sequence becomes U+FFFD. '"' and '\' are
// escaped, and so are the control characters (U+0000 to U+001F, U+007F and
// U+0080 to U+009F), written as \u00XX.
void AppendJsonString(std::string& out, std::string_view text);
