#pragma once
// The search and hex-text operations derived the long way, step by step:
// printf-style hex text cut to two digits, hex text read back one character at
// a time, bytes copied through base-16 text and "%c". Slow on purpose; the fast
// operations of analysis/CaptureSearch.h must give the same results.

#include "analysis/Capture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The capture byte at position, zero outside the capture.
std::uint8_t ReferenceByteAt(CaptureView capture, std::int64_t position);

// Tries p = 0, 1, ... up to lastStart and up to the last start at which the
// whole pattern fits; compares the first byte, then every byte.
std::optional<std::int32_t> ReferenceFindPattern(
    CaptureView capture, std::string_view pattern,
    std::optional<std::int32_t> lastStart = std::nullopt);

// "%x" of the byte as a signed char widened to int, then "0" in front of one
// digit or the last two of more.
std::string ReferenceByteToHexPair(std::uint8_t byte);

// Character by character, 16 * result + digit for "0"-"9" and "a"-"f", other
// characters skipped, 32-bit wrapping.
std::int32_t ReferenceHexTextToInt(std::string_view text);

// Each byte as signed char to base-16 text, read back, printed with "%c" and
// appended as a C string (so a zero byte appends nothing).
void ReferenceCopyCaptureBytes(std::string& destination, CaptureView capture,
                               std::int32_t first, std::int32_t count);

// The integer-to-text conversion: base 10 with a minus sign for negative
// values, any other base over the value's 32-bit two's-complement pattern.
std::string ReferenceIntegerToText(std::int32_t value, int base);
