// AnalyseCapture on the 5000-byte buffer as the program hands it over: a
// typical D70 photo, a capture of zeros, and the costliest captures we know how
// to build, where every scan runs to the last bytes read from the file.

#include "analysis/AnalyseCapture.h"
#include "tests/analysis/SampleCaptures.h"
#include "tests/analysis/TestCapture.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

// Near-misses of every pattern, repeated over the first bytes: each piece
// starts like a pattern and fails late.
constexpr std::string_view kNearMisses =
    "NIKON X" "NO-" "PKH" "\xA7\x00\x05" "NIKON d" "PK" "N" "\xA7\x00" "NIKONIKON E" "VNO " "PKg"sv;

// Near-misses from position 0 up to (not including) end.
void FillWithNearMisses(TestCapture& capture, std::size_t end) {
  for (std::size_t position = 0; position < end; ++position) {
    capture.Bytes()[position] = static_cast<std::uint8_t>(kNearMisses[position % kNearMisses.size()]);
  }
}

// A D70 without "NO=": the model and the entry in the last bytes read, no "V"
// after the model, so the model, "NO=" and A7 00 04 scans each cover the 4000
// bytes read from the file.
TestCapture D70WithoutSerialMarker() {
  TestCapture capture;
  FillWithNearMisses(capture, kCaptureReadSize);
  capture.Put(3984, "NIKON D70\0\0\0\0"sv).Put(3997, {0xA7, 0x00, 0x04});
  return capture;
}

// Another model whose "PKG" sits at the last position tried, after 3000
// spaces, with the model and the entry at the end as above.
TestCapture PkgAfterLongSpaceRun() {
  TestCapture capture;
  FillWithNearMisses(capture, kCaptureReadSize);
  capture.Fill(0, 3000, ' ').Put(3000, "PKG");
  capture.Put(3984, "NIKON D90\0\0\0\0"sv).Put(3997, {0xA7, 0x00, 0x04});
  return capture;
}

// Another model without "PKG": the "PKG" search runs to position 3000.
TestCapture PkgMissing() {
  TestCapture capture;
  FillWithNearMisses(capture, kCaptureReadSize);
  capture.Put(3984, "NIKON D90\0\0\0\0"sv).Put(3997, {0xA7, 0x00, 0x04});
  return capture;
}

// Times AnalyseCapture on the capture that build makes.
void Analyse(benchmark::State& state, TestCapture (*build)()) {
  const TestCapture capture = build();
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnalyseCapture(capture.View()));
  }
}

TestCapture Zeros() { return TestCapture(); }

BENCHMARK_CAPTURE(Analyse, TypicalD70, sample::D70);
BENCHMARK_CAPTURE(Analyse, PkgModel, sample::PkgModel);
BENCHMARK_CAPTURE(Analyse, Zeros, Zeros);
BENCHMARK_CAPTURE(Analyse, WorstD70WithoutSerialMarker, D70WithoutSerialMarker);
BENCHMARK_CAPTURE(Analyse, WorstPkgAfterLongSpaceRun, PkgAfterLongSpaceRun);
BENCHMARK_CAPTURE(Analyse, WorstPkgMissing, PkgMissing);

}  // namespace
