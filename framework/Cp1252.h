#pragma once
// Windows-1252, the single-byte code page of every text the photo holds and
// every text the view paints.

#include <cstdint>
#include <string>
#include <string_view>

// The character of one Windows-1252 byte. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value.
char32_t Cp1252ToUnicode(std::uint8_t byte);

// Windows-1252 bytes to UTF-8, one character per byte.
std::string Cp1252ToUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252 for the program's own fixed texts. A character with no
// Windows-1252 byte becomes '?'; so does a byte that is not valid UTF-8.
std::string Utf8ToCp1252(std::string_view utf8);
