#include "ReportInvariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

// Model and firmware: "NIKON D" and 7 to 11 bytes; a firmware text exactly
// when one was found, starting with "V" and at most 8 bytes.
std::string BrokenModelRule(const PhotoReport& report) {
  if (!report.modelText.starts_with("NIKON D")) return "modelText does not begin with NIKON D";
  if (report.modelText.size() > 11) return "modelText is longer than 11 bytes";
  if (report.modelPosition < 0) return "modelPosition is negative";
  if (report.firmwareFound != !report.firmwareText.empty()) {
    return "firmwareText is empty exactly when firmwareFound is false: broken";
  }
  if (report.firmwareFound && report.firmwareText.front() != 'V') return "firmwareText without V";
  if (report.firmwareText.size() > 8) return "firmwareText is longer than 8 bytes";
  return {};
}

// A serial text only from "NO=" (at most 8 bytes) or "PKG" (at most 20); the
// count is not searched exactly when the report ended at the serial step.
std::string BrokenSerialRule(const PhotoReport& report) {
  const bool ended = report.serialState == SerialState::D1SeriesStop ||
                     report.serialState == SerialState::EditedPhotoStop;
  if (ended != (report.shutterState == ShutterState::NotSearched)) {
    return "shutterState is NotSearched other than after an early end";
  }
  switch (report.serialState) {
    case SerialState::FromNoTag:
      return report.serialText.size() <= 8 ? "" : "FromNoTag serialText longer than 8 bytes";
    case SerialState::FromPkgTag:
      return report.serialText.size() <= 20 ? "" : "FromPkgTag serialText longer than 20 bytes";
    default:
      return report.serialText.empty() ? "" : "serialText without a serial tag";
  }
}

// A found count: six lower-case hex digits that read as the count, which is
// below 2^24, and its decimal text.
std::string BrokenCountRule(const PhotoReport& report) {
  if (report.shutterState != ShutterState::Found) return {};
  const std::string& hex = report.shutterCountHex;
  if (hex.size() != 6 || !std::all_of(hex.begin(), hex.end(), IsLowerHex)) {
    return "shutterCountHex is not 6 lower-case hex digits";
  }
  if (report.shutterCount >= (1u << 24)) return "shutterCount is 2^24 or more";
  if (std::stoul(hex, nullptr, 16) != report.shutterCount) return "hex text and count differ";
  if (report.shutterCountDecimal != std::to_string(report.shutterCount)) {
    return "shutterCountDecimal is not the count in base 10";
  }
  return {};
}

}  // namespace

// Without a model nothing else is filled in: the report is the default one.
std::string BrokenReportRule(const PhotoReport& report) {
  if (!report.modelFound) return report == PhotoReport{} ? "" : "no model, yet not the defaults";
  std::string rule = BrokenModelRule(report);
  if (rule.empty()) rule = BrokenSerialRule(report);
  if (rule.empty()) rule = BrokenCountRule(report);
  return rule;
}

//   captureBuffer: | file bytes 0 .. n-1 | zeros n .. 4999 |   n = min(size, 4000)
// An empty file is not read at all: the flag and the zeros stay as they were.
std::string BrokenCaptureRule(CaptureView fileBytes, CaptureView captureBuffer, int photoLoaded) {
  if (captureBuffer.size() != kCaptureSize) return "the capture buffer is not 5000 bytes";
  if (photoLoaded != (fileBytes.empty() ? 0 : 1)) return "photoLoaded is wrong for the file size";
  const std::size_t n = std::min(fileBytes.size(), kCaptureReadSize);
  if (!std::equal(fileBytes.begin(), fileBytes.begin() + static_cast<std::ptrdiff_t>(n),
                  captureBuffer.begin())) {
    return "the capture does not begin with the file's first bytes";
  }
  if (std::any_of(captureBuffer.begin() + static_cast<std::ptrdiff_t>(n), captureBuffer.end(),
                  [](std::uint8_t byte) { return byte != 0; })) {
    return "the capture is not zero after the bytes read";
  }
  return {};
}

void RequireKept(const std::string& rule) {
  if (rule.empty()) return;
  std::fprintf(stderr, "broken: %s\n", rule.c_str());
  std::abort();
}
