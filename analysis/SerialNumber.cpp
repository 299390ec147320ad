#include "SerialNumber.h"

#include "CaptureBytes.h"
#include "CaptureSearch.h"

namespace {

constexpr std::string_view kNoMarker = "NO=";
constexpr std::int32_t kNoSerialOffset = 4;  // "NO=" and one byte, then the serial
constexpr std::int32_t kNoSerialLength = 8;
constexpr std::string_view kPkgMarker = "PKG";
constexpr std::int32_t kPkgLastStart = 3000;
constexpr std::int32_t kPkgSerialLength = 20;
constexpr std::uint8_t kSpace = 0x20;
constexpr std::int64_t kJfifTestPosition = 6;  // the "J" of a leading JFIF segment
constexpr std::uint8_t kJfifTestByte = 'J';

// Spaces tested at once while walking back over the run before "PKG".
constexpr std::size_t kSpaceBlock = 64;

// Without a serial marker: a JPEG whose first segment is JFIF has been
// rewritten by editing software, anything else simply gives no serial number.
SerialState MarkerMissing(CaptureView capture) {
  return ByteAt(capture, kJfifTestPosition) == kJfifTestByte ? SerialState::EditedPhotoStop
                                                             : SerialState::NotGiven;
}

// Whether all kSpaceBlock bytes from block on are spaces; every byte is tested,
// so the compiler can test 16 at a time.
bool AllSpaces(const std::uint8_t* block) {
  std::uint8_t other = 0;
  for (std::size_t i = 0; i < kSpaceBlock; ++i) {
    other |= block[i] != kSpace;
  }
  return other == 0;
}

// First position of the run of spaces that ends right before end (end itself
// when the byte before it is not a space, or when end is 0).
std::int32_t SpaceRunStart(CaptureView capture, std::int32_t end) {
  std::size_t start = static_cast<std::size_t>(end);
  while (start >= kSpaceBlock && AllSpaces(capture.data() + start - kSpaceBlock)) {
    start -= kSpaceBlock;
  }
  while (start > 0 && capture[start - 1] == kSpace) {
    --start;
  }
  return static_cast<std::int32_t>(start);
}

// A D70 records its serial number as "NO=" and a space, then 8 bytes:
//   N O = _ s s s s s s s s
//   q     q+4 ........ q+11
void ReadFromNoMarker(CaptureView capture, PhotoReport& report) {
  const auto q = FindPattern(capture, kNoMarker);
  if (!q) {
    report.serialState = MarkerMissing(capture);
    return;
  }
  CopyCaptureBytes(report.serialText, capture, *q + kNoSerialOffset, kNoSerialLength);
  report.serialState = SerialState::FromNoTag;
}

// Other models: 20 bytes from the start of the spaces that lead up to "PKG".
void ReadFromPkgMarker(CaptureView capture, PhotoReport& report) {
  const auto p = FindPattern(capture, kPkgMarker, kPkgLastStart);
  if (!p) {
    report.serialState = MarkerMissing(capture);
    return;
  }
  CopyCaptureBytes(report.serialText, capture, SpaceRunStart(capture, *p), kPkgSerialLength);
  report.serialState = SerialState::FromPkgTag;
}

}  // namespace

// The model text decides the way, by exact equality, first equal one wins.
void ReadSerialNumber(CaptureView capture, PhotoReport& report) {
  report.serialText.clear();
  const std::string& model = report.modelText;
  if (model == "NIKON D70") {
    ReadFromNoMarker(capture, report);
  } else if (model == "NIKON D50") {
    report.serialState = SerialState::NotGiven;
  } else if (model == "NIKON D1H" || model == "NIKON D1X" || model == "NIKON D100") {
    report.serialState = SerialState::D1SeriesStop;
  } else {
    ReadFromPkgMarker(capture, report);
  }
}
