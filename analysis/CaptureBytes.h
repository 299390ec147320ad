#pragma once
// Internal to the analysis: reading single capture bytes by position. Every
// position outside the view reads as zero, exactly as the zero-filled capture
// buffer reads past the end of a short file.

#include "Capture.h"

#include <cstdint>
#include <limits>

// Searches stop this far below the 32-bit limit, so that a match position plus
// any offset a step adds to it (at most 36) still fits in 32 bits.
inline constexpr std::size_t kMaxSearchedBytes =
    std::size_t{std::numeric_limits<std::int32_t>::max()} - 64;

// The byte at position, or zero when the position lies outside the capture.
// Takes 64-bit positions so that callers may add offsets without wrapping.
inline std::uint8_t ByteAt(CaptureView capture, std::int64_t position) {
  if (position < 0 || static_cast<std::uint64_t>(position) >= capture.size()) {
    return 0;
  }
  return capture[static_cast<std::size_t>(position)];
}
