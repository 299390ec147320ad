#include "CaptureSearch.h"

#include "CaptureBytes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Start positions that one block of the fixed-length search looks at together.
constexpr std::size_t kBlockStarts = 64;

// Whether the pattern matches at any of the block's kBlockStarts start
// positions. Every start is tested in full with no early exit, which lets the
// compiler compare 16 starts at a time; block must hold kBlockStarts + L - 1
// readable bytes.
template <std::size_t L, std::size_t... J>
bool BlockHasMatch(const std::uint8_t* block, const std::uint8_t* pattern,
                   std::index_sequence<J...>) {
  std::uint8_t any = 0;
  for (std::size_t i = 0; i < kBlockStarts; ++i) {
    any |= ((block[i + J] == pattern[J]) & ...);
  }
  return any != 0;
}

// Index of the first of the block's first `starts` start positions at which the
// L-byte pattern matches; block must hold kBlockStarts + L - 1 readable bytes.
template <std::size_t L>
std::optional<std::size_t> FirstMatchInBlock(const std::uint8_t* block, std::size_t starts,
                                             const std::uint8_t* pattern) {
  if (!BlockHasMatch<L>(block, pattern, std::make_index_sequence<L>{})) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < starts; ++i) {
    if (std::equal(pattern, pattern + L, block + i)) {
      return i;
    }
  }
  return std::nullopt;
}

// First start in 0 .. lastStart at which the L-byte pattern matches, for the
// pattern lengths the analysis uses. The caller guarantees that the bytes up to
// lastStart + L - 1 exist. Whole blocks are tested in place; the last, partial
// block is copied into a zeroed buffer so that the test never reads past them.
template <std::size_t L>
std::optional<std::int32_t> FindFixedLength(const std::uint8_t* data, std::size_t lastStart,
                                            const std::uint8_t* pattern) {
  std::size_t start = 0;
  for (; start <= lastStart && lastStart - start >= kBlockStarts - 1; start += kBlockStarts) {
    if (const auto index = FirstMatchInBlock<L>(data + start, kBlockStarts, pattern)) {
      return static_cast<std::int32_t>(start + *index);
    }
  }
  if (start > lastStart) {
    return std::nullopt;
  }
  const std::size_t starts = lastStart - start + 1;
  std::array<std::uint8_t, kBlockStarts + L - 1> padded{};
  std::copy_n(data + start, starts + L - 1, padded.begin());
  if (const auto index = FirstMatchInBlock<L>(padded.data(), starts, pattern)) {
    return static_cast<std::int32_t>(start + *index);
  }
  return std::nullopt;
}

// First start in 0 .. lastStart for a pattern of any other length (never used
// on the analysis's own patterns, so a plain search is enough).
std::optional<std::int32_t> FindAnyLength(const std::uint8_t* data, std::size_t lastStart,
                                          std::string_view pattern) {
  const std::string_view haystack(reinterpret_cast<const char*>(data),
                                  lastStart + pattern.size());
  const std::size_t found = haystack.find(pattern);
  if (found == std::string_view::npos) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(found);
}

// Two lower-case hex digits per byte value.
constexpr char kHexDigits[] = "0123456789abcdef";

// The value of each character as a lower-case hex digit, or -1.
constexpr std::array<std::int8_t, 256> kHexDigitValues = [] {
  std::array<std::int8_t, 256> values{};
  values.fill(-1);
  for (int digit = 0; digit < 16; ++digit) {
    values[static_cast<unsigned char>(kHexDigits[digit])] = static_cast<std::int8_t>(digit);
  }
  return values;
}();

}  // namespace

// Bounds the tried starts by lastStart and by the capture's end, then hands the
// scan to the fixed-length block search or the plain one.
std::optional<std::int32_t> FindPattern(CaptureView capture, std::string_view pattern,
                                        std::optional<std::int32_t> lastStart) {
  const std::size_t size = std::min(capture.size(), kMaxSearchedBytes);
  if (pattern.size() > size || (lastStart && *lastStart < 0)) {
    return std::nullopt;
  }
  std::size_t last = size - pattern.size();
  if (lastStart) {
    last = std::min(last, static_cast<std::size_t>(*lastStart));
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(pattern.data());
  switch (pattern.size()) {
    case 3:
      return FindFixedLength<3>(capture.data(), last, bytes);
    case 7:
      return FindFixedLength<7>(capture.data(), last, bytes);
    default:
      return FindAnyLength(capture.data(), last, pattern);
  }
}

// Looks both digits up in a table.
std::string ByteToHexPair(std::uint8_t byte) {
  return {kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
}

// Unsigned 32-bit arithmetic wraps by definition; the final conversion keeps
// the bit pattern, so a top bit set reads as a negative number.
std::int32_t HexTextToInt(std::string_view text) {
  std::uint32_t result = 0;
  for (const char character : text) {
    const std::int8_t digit = kHexDigitValues[static_cast<unsigned char>(character)];
    if (digit >= 0) {
      result = result * 16 + static_cast<std::uint32_t>(digit);
    }
  }
  return static_cast<std::int32_t>(result);
}

// Only the part of first .. first + count - 1 that lies inside the capture can
// hold a non-zero byte; 64-bit arithmetic keeps first + count from wrapping.
void CopyCaptureBytes(std::string& destination, CaptureView capture, std::int32_t first,
                      std::int32_t count) {
  const std::int64_t begin = std::max<std::int64_t>(first, 0);
  const std::int64_t end =
      std::min<std::int64_t>(std::int64_t{first} + count, static_cast<std::int64_t>(capture.size()));
  for (std::int64_t position = begin; position < end; ++position) {
    const std::uint8_t byte = capture[static_cast<std::size_t>(position)];
    if (byte != 0) {
      destination.push_back(static_cast<char>(byte));
    }
  }
}
