#pragma once
// The string table: every text of the window and of the framework, by id.
// Texts are UTF-8.

#include <cstddef>
#include <string_view>

// The string with this id; empty when the table has none (a command without a
// string has an empty prompt and no tooltip).
std::string_view LoadResourceString(unsigned id);

// The index-th part of text, parts being separated by line feeds: part 0 of a
// command's string is its status-bar prompt, part 1 its tooltip. Empty when
// text has fewer parts.
std::string_view StringPart(std::string_view text, std::size_t index);
