#include "ReferenceAnalysis.h"

namespace {

// Model text: the 11 bytes from the model position, cut at the first zero.
// Firmware: the first "V" at model + 1 .. model + 29, then 8 bytes cut at the
// first zero.
void ReferenceModelAndFirmware(CaptureView capture, PhotoReport& report) {
  const auto model = ReferenceFindPattern(capture, "NIKON D");
  if (!model) {
    report.modelFound = false;
    return;
  }
  report.modelFound = true;
  report.modelPosition = *model;
  for (std::int64_t i = 0; i < 11; ++i) {
    const std::uint8_t byte = ReferenceByteAt(capture, *model + i);
    if (byte == 0) {
      break;
    }
    report.modelText += static_cast<char>(byte);
  }
  for (std::int64_t v = std::int64_t{*model} + 1; v <= std::int64_t{*model} + 29; ++v) {
    if (ReferenceByteAt(capture, v) != 'V') {
      continue;
    }
    report.firmwareFound = true;
    for (std::int64_t i = 0; i < 8; ++i) {
      const std::uint8_t byte = ReferenceByteAt(capture, v + i);
      if (byte == 0) {
        break;
      }
      report.firmwareText += static_cast<char>(byte);
    }
    return;
  }
  report.firmwareFound = false;
}

// Without its marker: "J" at position 6 is an edited photo, else not given.
SerialState ReferenceMarkerMissing(CaptureView capture) {
  if (ReferenceByteAt(capture, 6) == 'J') {
    return SerialState::EditedPhotoStop;
  }
  return SerialState::NotGiven;
}

// "NO=" then 8 bytes from q + 4; "PKG" up to start 3000 then 20 bytes from the
// start of the spaces before it; D50 and the D1 series search nothing.
void ReferenceSerialNumber(CaptureView capture, PhotoReport& report) {
  const std::string& model = report.modelText;
  if (model == "NIKON D70") {
    const auto q = ReferenceFindPattern(capture, "NO=");
    if (!q) {
      report.serialState = ReferenceMarkerMissing(capture);
      return;
    }
    report.serialText = "";
    ReferenceCopyCaptureBytes(report.serialText, capture, *q + 4, 8);
    report.serialState = SerialState::FromNoTag;
  } else if (model == "NIKON D50") {
    report.serialState = SerialState::NotGiven;
  } else if (model == "NIKON D1H" || model == "NIKON D1X" || model == "NIKON D100") {
    report.serialState = SerialState::D1SeriesStop;
  } else {
    const auto p = ReferenceFindPattern(capture, "PKG", 3000);
    if (!p) {
      report.serialState = ReferenceMarkerMissing(capture);
      return;
    }
    std::int32_t s = *p;
    while (s > 0 && ReferenceByteAt(capture, s - 1) == ' ') {
      s = s - 1;
    }
    report.serialText = "";
    ReferenceCopyCaptureBytes(report.serialText, capture, s, 20);
    report.serialState = SerialState::FromPkgTag;
  }
}

// The hex text of the capture bytes at first, first + 1, ..., count of them.
std::string ReferenceHexText(CaptureView capture, std::int64_t first, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += ReferenceByteToHexPair(ReferenceByteAt(capture, first + i));
  }
  return text;
}

// The k loop: three bytes as hex text compared with "a70004" at every k up to
// the last at which three bytes fit. An entry whose count reads 01 00 00 00 is
// little-endian and its value bytes are read the other way round.
void ReferenceShutterCount(CaptureView capture, PhotoReport& report) {
  std::int64_t m = -1;
  for (std::int64_t k = 0; k <= static_cast<std::int64_t>(capture.size()) - 3; ++k) {
    if (ReferenceHexText(capture, k, 3) == "a70004") {
      m = k;
      break;
    }
  }
  if (m < 0) {
    report.shutterState = ShutterState::Absent;
    return;
  }
  if (ReferenceHexText(capture, m + 4, 4) == "01000000") {
    report.shutterCountHex = ReferenceByteToHexPair(ReferenceByteAt(capture, m + 10)) +
                             ReferenceByteToHexPair(ReferenceByteAt(capture, m + 9)) +
                             ReferenceByteToHexPair(ReferenceByteAt(capture, m + 8));
  } else {
    report.shutterCountHex = ReferenceHexText(capture, m + 8, 3);
  }
  const std::int32_t count = ReferenceHexTextToInt(report.shutterCountHex);
  report.shutterCount = static_cast<std::uint32_t>(count);
  report.shutterCountDecimal = ReferenceIntegerToText(count, 10);
  report.shutterState = ShutterState::Found;
}

}  // namespace

// Model and firmware, serial number, then the count unless the report ended.
PhotoReport ReferenceAnalyseCapture(CaptureView capture) {
  PhotoReport report;
  ReferenceModelAndFirmware(capture, report);
  if (!report.modelFound) {
    return report;
  }
  ReferenceSerialNumber(capture, report);
  if (report.serialState == SerialState::D1SeriesStop ||
      report.serialState == SerialState::EditedPhotoStop) {
    report.shutterState = ShutterState::NotSearched;
    return report;
  }
  ReferenceShutterCount(capture, report);
  return report;
}
