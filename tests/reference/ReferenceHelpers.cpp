#include "ReferenceHelpers.h"

#include <cstdio>

// Zero outside the capture, as the zero-filled buffer reads past a short file.
std::uint8_t ReferenceByteAt(CaptureView capture, std::int64_t position) {
  if (position < 0 || position >= static_cast<std::int64_t>(capture.size())) {
    return 0;
  }
  return capture[static_cast<std::size_t>(position)];
}

// The plain forward scan; an empty pattern matches at the first tried start.
std::optional<std::int32_t> ReferenceFindPattern(CaptureView capture, std::string_view pattern,
                                                 std::optional<std::int32_t> lastStart) {
  const auto length = static_cast<std::int64_t>(pattern.size());
  std::int64_t lastTried = static_cast<std::int64_t>(capture.size()) - length;
  if (lastStart && *lastStart < lastTried) {
    lastTried = *lastStart;
  }
  for (std::int64_t p = 0; p <= lastTried; ++p) {
    if (length == 0) {
      return static_cast<std::int32_t>(p);
    }
    if (ReferenceByteAt(capture, p) != static_cast<std::uint8_t>(pattern[0])) {
      continue;
    }
    bool allEqual = true;
    for (std::int64_t j = 0; j < length; ++j) {
      if (ReferenceByteAt(capture, p + j) != static_cast<std::uint8_t>(pattern[j])) {
        allEqual = false;
      }
    }
    if (allEqual) {
      return static_cast<std::int32_t>(p);
    }
  }
  return std::nullopt;
}

// Bytes 0x80 and up widen to negative ints and print as ffffff80 .. ffffffff.
std::string ReferenceByteToHexPair(std::uint8_t byte) {
  const int widened = static_cast<signed char>(byte);
  char formatted[16];
  std::snprintf(formatted, sizeof formatted, "%x", static_cast<unsigned>(widened));
  const std::string text = formatted;
  if (text.size() == 1) {
    return "0" + text;
  }
  if (text.size() == 2) {
    return text;
  }
  return text.substr(text.size() - 2);
}

// Unsigned arithmetic so that the wrap is defined; the bits are the same.
std::int32_t ReferenceHexTextToInt(std::string_view text) {
  std::uint32_t result = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      result = 16 * result + static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      result = 16 * result + static_cast<std::uint32_t>(c - 'a' + 10);
    }
  }
  return static_cast<std::int32_t>(result);
}

// The four steps per byte: base-16 text, read back, "%c", appended.
void ReferenceCopyCaptureBytes(std::string& destination, CaptureView capture,
                               std::int32_t first, std::int32_t count) {
  for (std::int64_t i = 0; i < count; ++i) {
    const int widened = static_cast<signed char>(ReferenceByteAt(capture, first + i));
    const std::string text = ReferenceIntegerToText(widened, 16);
    const std::int32_t restored = ReferenceHexTextToInt(text);
    char formatted[4];
    std::snprintf(formatted, sizeof formatted, "%c", restored);
    destination += formatted;
  }
}

// Digits are produced least significant first, then reversed.
std::string ReferenceIntegerToText(std::int32_t value, int base) {
  const bool negative = base == 10 && value < 0;
  std::uint32_t rest = static_cast<std::uint32_t>(value);
  if (negative) {
    rest = 0u - rest;
  }
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[rest % static_cast<std::uint32_t>(base)]);
    rest /= static_cast<std::uint32_t>(base);
  } while (rest != 0);
  return negative ? "-" + digits : digits;
}
