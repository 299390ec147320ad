// The rules the fuzz targets check on every input: a report or capture that
// breaks one is caught, and the reports of real photos of every kind pass, so
// that a quiet fuzz run means something.

#include "analysis/AnalyseCapture.h"
#include "fuzz/ReportInvariants.h"
#include "tools/SamplePhoto.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

namespace {

PhotoReport ReportOf(const SamplePhotoOptions& options) {
  const std::string photo = MakeSamplePhoto(options);
  return AnalyseCapture(CaptureView(reinterpret_cast<const std::uint8_t*>(photo.data()), photo.size()));
}

TEST(FuzzChecks, ReportsOfEveryKindOfPhotoKeepTheRules) {
  SamplePhotoOptions pkg;
  pkg.model = "NIKON D2X";
  pkg.serialStyle = SerialStyle::Pkg;
  SamplePhotoOptions d1x;
  d1x.model = "NIKON D1X";
  SamplePhotoOptions edited;
  edited.model = "NIKON D200";
  edited.serialStyle = SerialStyle::None;
  edited.jfifFirst = true;
  SamplePhotoOptions noCount;
  noCount.shutterCount.reset();
  noCount.firmware = "";
  for (const SamplePhotoOptions& options : {SamplePhotoOptions{}, pkg, d1x, edited, noCount}) {
    SCOPED_TRACE(options.model);
    EXPECT_EQ(BrokenReportRule(ReportOf(options)), "");
  }
  EXPECT_EQ(BrokenReportRule(PhotoReport{}), "");
}

TEST(FuzzChecks, EachBrokenReportRuleIsCaught) {
  struct Row {
    const char* name;
    std::function<void(PhotoReport&)> breakIt;
  };
  const Row rows[] = {
      {"model without its prefix", [](PhotoReport& r) { r.modelText = "NIKON E70"; }},
      {"model of 12 bytes", [](PhotoReport& r) { r.modelText = "NIKON D70s12"; }},
      {"firmware found but empty", [](PhotoReport& r) { r.firmwareText.clear(); }},
      {"firmware text without V", [](PhotoReport& r) { r.firmwareText = "ver.2.00"; }},
      {"firmware text of 9 bytes", [](PhotoReport& r) { r.firmwareText = "Ver.2.001"; }},
      {"firmware text though not found", [](PhotoReport& r) { r.firmwareFound = false; }},
      {"serial of 9 bytes from NO=", [](PhotoReport& r) { r.serialText = "000418520"; }},
      {"serial text though not given",
       [](PhotoReport& r) { r.serialState = SerialState::NotGiven; }},
      {"count searched after an early end",
       [](PhotoReport& r) { r.serialState = SerialState::D1SeriesStop; r.serialText.clear(); }},
      {"count not searched without an early end",
       [](PhotoReport& r) { r.shutterState = ShutterState::NotSearched; }},
      {"upper-case hex", [](PhotoReport& r) { r.shutterCountHex = "005BA0"; }},
      {"five hex digits", [](PhotoReport& r) { r.shutterCountHex = "05ba0"; }},
      {"hex and count differ", [](PhotoReport& r) { r.shutterCount = 23457; }},
      {"decimal with a leading zero", [](PhotoReport& r) { r.shutterCountDecimal = "023456"; }},
      {"no model yet a model text",
       [](PhotoReport& r) { r = PhotoReport{}; r.modelText = "NIKON D70"; }},
  };
  const PhotoReport good = ReportOf(SamplePhotoOptions{});
  ASSERT_EQ(BrokenReportRule(good), "");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PhotoReport report = good;
    row.breakIt(report);
    EXPECT_NE(BrokenReportRule(report), "");
  }
}

TEST(FuzzChecks, ACaptureMustHoldTheFileStartThenZeros) {
  struct Row {
    const char* name;
    std::size_t fileSize;
    std::function<void(std::array<std::uint8_t, kCaptureSize>&, int&)> changeIt;
    bool broken;
  };
  const Row rows[] = {
      {"as loaded", 10, nullptr, false},
      {"as loaded, longer than what is read", 4500, nullptr, false},
      {"an empty file leaves everything as it was", 0, nullptr, false},
      {"a byte of the file wrong", 10, [](auto& c, int&) { c[9] ^= 1; }, true},
      {"a byte after the file not zero", 10, [](auto& c, int&) { c[10] = 1; }, true},
      {"the last byte not zero", 4500, [](auto& c, int&) { c[4999] = 1; }, true},
      {"flag down after a load", 10, [](auto&, int& loaded) { loaded = 0; }, true},
      {"flag up after an empty file", 0, [](auto&, int& loaded) { loaded = 1; }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::uint8_t> file(row.fileSize);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i % 250 + 1);
    std::array<std::uint8_t, kCaptureSize> capture{};
    std::copy_n(file.begin(), std::min(file.size(), kCaptureReadSize), capture.begin());
    int photoLoaded = file.empty() ? 0 : 1;
    if (row.changeIt) row.changeIt(capture, photoLoaded);
    EXPECT_EQ(BrokenCaptureRule(file, capture, photoLoaded).empty(), !row.broken);
  }
}

}  // namespace
