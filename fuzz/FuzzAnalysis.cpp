// fuzz_analysis: any bytes, analysed as a capture of their own length and as
// the running program sees them (at most 4000 bytes in a zeroed 5000-byte
// buffer). Every report keeps its rules and equals the literal derivation.

#include "ReportInvariants.h"
#include "analysis/AnalyseCapture.h"
#include "tests/reference/ReferenceAnalysis.h"

#include <algorithm>
#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, kCaptureSize> buffer{};
  std::copy_n(data, std::min(size, kCaptureReadSize), buffer.begin());
  for (const CaptureView capture : {CaptureView(data, size), CaptureView(buffer)}) {
    const PhotoReport report = AnalyseCapture(capture);
    RequireKept(BrokenReportRule(report));
    RequireKept(report == ReferenceAnalyseCapture(capture) ? "" : "fast and literal reports differ");
  }
  return 0;
}
