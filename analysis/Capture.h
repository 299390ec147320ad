#pragma once
// The capture: the first bytes of an opened photo, as the analysis sees them.

#include <cstddef>
#include <cstdint>
#include <span>

// Bytes read from the photo at most, and the size of the capture buffer they
// are read into. Positions 4000 to 4999 of the buffer always hold zero.
inline constexpr std::size_t kCaptureReadSize = 4000;
inline constexpr std::size_t kCaptureSize = 5000;

// Read-only view of a capture. The running program always hands over the
// 5000-byte buffer; the analysis accepts any length and treats every position
// past the end of the view as a zero byte, exactly as the buffer's zero fill
// reads past the end of a short file.
using CaptureView = std::span<const std::uint8_t>;
