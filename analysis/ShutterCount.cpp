#include "ShutterCount.h"

#include "CaptureBytes.h"
#include "CaptureSearch.h"

#include <array>
#include <charconv>

namespace {

using namespace std::string_view_literals;

// Tag 0x00A7 of the maker notes, type 4 (a 32-bit unsigned value). Only the
// tag's low byte and the type are looked for.
constexpr std::string_view kEntryBytes = "\xA7\x00\x04"sv;

// Bytes at m + 4 .. m + 7 of an entry written least significant byte first
// with a value count of 1.
constexpr std::array<std::uint8_t, 4> kLittleEndianCountOfOne = {0x01, 0x00, 0x00, 0x00};

// The count from the three value bytes of the entry whose A7 byte is at m.
//
//   big-endian      00 A7 | 00 04 | 00 00 00 01 | v3 [v2 v1 v0]
//   little-endian      A7 00 | 04 00 | 01 00 00 00 | [v0 v1 v2] v3
//                      m                             m+8 .. m+10
//
// Both read the three low bytes of the value, so a count of 2^24 or more loses
// its top byte.
std::uint32_t CountAt(CaptureView capture, std::int64_t m) {
  bool littleEndian = true;
  for (std::size_t i = 0; i < kLittleEndianCountOfOne.size(); ++i) {
    littleEndian = littleEndian && ByteAt(capture, m + 4 + static_cast<std::int64_t>(i)) ==
                                       kLittleEndianCountOfOne[i];
  }
  const std::uint32_t first = ByteAt(capture, m + 8);
  const std::uint32_t middle = ByteAt(capture, m + 9);
  const std::uint32_t last = ByteAt(capture, m + 10);
  return littleEndian ? first | middle << 8 | last << 16 : first << 16 | middle << 8 | last;
}

// The number in base 16 (exactly `digits` lower-case digits) or base 10.
std::string ToText(std::uint32_t number, int base, std::size_t digits = 0) {
  std::array<char, 16> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), number, base).ptr;
  std::string result(text.data(), end);
  if (result.size() < digits) {
    result.insert(0, digits - result.size(), '0');
  }
  return result;
}

}  // namespace

// The first A7 00 04 of the capture is the entry; none means no count.
void ReadShutterCount(CaptureView capture, PhotoReport& report) {
  const auto m = FindPattern(capture, kEntryBytes);
  if (!m) {
    report.shutterState = ShutterState::Absent;
    return;
  }
  report.shutterCount = CountAt(capture, *m);
  report.shutterCountHex = ToText(report.shutterCount, 16, 6);
  report.shutterCountDecimal = ToText(report.shutterCount, 10);
  report.shutterState = ShutterState::Found;
}
