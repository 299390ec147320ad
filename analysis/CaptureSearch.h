#pragma once
// The search and hex-text operations shared by the analysis steps.

#include "Capture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// First position p (lowest first) at which every byte of pattern equals the
// capture byte at p + j, trying starts up to lastStart (or to the end) and never
// a start whose match would run past the end of the capture.
std::optional<std::int32_t> FindPattern(CaptureView capture, std::string_view pattern,
                                        std::optional<std::int32_t> lastStart = std::nullopt);

// The byte as exactly two lower-case hex digits, high digit first: 0xA7 -> "a7".
std::string ByteToHexPair(std::uint8_t byte);

// Reads "0"-"9" and "a"-"f" as hex digits, skipping every other character
// (upper case included); 32-bit wrapping arithmetic, so "ffffffff" is -1.
std::int32_t HexTextToInt(std::string_view text);

// Appends the capture bytes first .. first + count - 1 to destination, leaving
// out zero bytes; positions outside the capture read as zero.
void CopyCaptureBytes(std::string& destination, CaptureView capture, std::int32_t first,
                      std::int32_t count);
