#include "AnalyseCapture.h"

#include "ModelAndFirmware.h"
#include "SerialNumber.h"
#include "ShutterCount.h"

namespace {

// Bytes tested at once while looking for the last non-zero byte.
constexpr std::size_t kZeroBlock = 64;

// Whether all kZeroBlock bytes from block on are zero; every byte is tested, so
// the compiler can test 16 at a time.
bool AllZero(const std::uint8_t* block) {
  std::uint8_t any = 0;
  for (std::size_t i = 0; i < kZeroBlock; ++i) {
    any |= block[i];
  }
  return any == 0;
}

// The capture without its trailing zero bytes. Every pattern looked for ends in
// a non-zero byte and every position past the end reads as zero, so no result
// changes; the scans are spared the 1000 zeros that end the capture buffer.
CaptureView WithoutTrailingZeros(CaptureView capture) {
  std::size_t size = capture.size();
  while (size >= kZeroBlock && AllZero(capture.data() + size - kZeroBlock)) {
    size -= kZeroBlock;
  }
  while (size > 0 && capture[size - 1] == 0) {
    --size;
  }
  return capture.first(size);
}

}  // namespace

// Runs the steps in order and ends early without a model, and for the D1
// series and edited photos, whose count is never searched.
PhotoReport AnalyseCapture(CaptureView capture) {
  capture = WithoutTrailingZeros(capture);
  PhotoReport report;
  FindModelAndFirmware(capture, report);
  if (!report.modelFound) {
    return report;
  }
  ReadSerialNumber(capture, report);
  if (report.serialState == SerialState::D1SeriesStop ||
      report.serialState == SerialState::EditedPhotoStop) {
    report.shutterState = ShutterState::NotSearched;
    return report;
  }
  ReadShutterCount(capture, report);
  return report;
}
