#include "ModelAndFirmware.h"

#include "CaptureBytes.h"
#include "CaptureSearch.h"

namespace {

constexpr std::string_view kModelPrefix = "NIKON D";
constexpr std::int64_t kModelTextLength = 11;
constexpr std::uint8_t kFirmwareMarker = 'V';
constexpr std::int64_t kFirmwareWindow = 29;  // positions model + 1 to model + 29
constexpr std::int64_t kFirmwareTextLength = 8;

// Up to length capture bytes from first, ending before the first zero byte.
std::string TextUpToZero(CaptureView capture, std::int64_t first, std::int64_t length) {
  std::string text;
  for (std::int64_t position = first; position < first + length; ++position) {
    const std::uint8_t byte = ByteAt(capture, position);
    if (byte == 0) {
      break;
    }
    text.push_back(static_cast<char>(byte));
  }
  return text;
}

}  // namespace

// The model is the first "NIKON D" of the capture; the firmware version is the
// first "V" among the 29 bytes after the model's first byte:
//
//   model      N I K O N _ D 7 0 00 ...              (11 bytes, cut at a zero)
//   window       ^ model + 1 ............ model + 29 (first "V" wins)
//   firmware   V e r . 1 . 0 0                       (8 bytes, cut at a zero)
void FindModelAndFirmware(CaptureView capture, PhotoReport& report) {
  const auto model = FindPattern(capture, kModelPrefix);
  report.modelFound = model.has_value();
  report.firmwareFound = false;
  report.firmwareText.clear();
  if (!model) {
    return;
  }
  report.modelPosition = *model;
  report.modelText = TextUpToZero(capture, *model, kModelTextLength);
  for (std::int64_t v = std::int64_t{*model} + 1; v <= *model + kFirmwareWindow; ++v) {
    if (ByteAt(capture, v) == kFirmwareMarker) {
      report.firmwareFound = true;
      report.firmwareText = TextUpToZero(capture, v, kFirmwareTextLength);
      return;
    }
  }
}
