#pragma once
// Paths handed over on standard input, as `find -print0` writes them.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Splits NUL-separated paths; a final NUL is optional and empty entries are
// skipped.
std::vector<std::string> SplitNulSeparated(std::string_view bytes);

// Reads the whole stream. Returns false on a read error.
bool ReadAll(std::FILE* stream, std::string& bytes);
