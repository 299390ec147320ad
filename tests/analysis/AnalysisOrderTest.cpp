// The order of the steps and the points at which the report ends early, on
// whole captures shaped like real photos.

#include "tests/analysis/Analysers.h"
#include "tests/analysis/SampleCaptures.h"
#include "tests/analysis/TestCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct OrderRow {
  const char* name;
  std::function<TestCapture()> capture;
  bool modelFound;
  SerialState serialState;
  ShutterState shutterState;
};

TEST(AnalyseCapture, StepsRunAndEndInOrder) {
  const OrderRow rows[] = {
      {"D70 photo", sample::D70, true, SerialState::FromNoTag, ShutterState::Found},
      {"PKG model", sample::PkgModel, true, SerialState::FromPkgTag, ShutterState::Found},
      {"D1X with an entry is not searched", sample::D1X, true, SerialState::D1SeriesStop,
       ShutterState::NotSearched},
      {"edited photo with an entry is not searched", sample::JfifEdited, true,
       SerialState::EditedPhotoStop, ShutterState::NotSearched},
      {"D50 with J at 6 is still counted",
       [] {
         TestCapture capture = sample::JfifEdited();
         capture.Put(300, "NIKON D50");
         return capture;
       },
       true, SerialState::NotGiven, ShutterState::Found},
      {"PKG model with J at 6 is counted",
       [] {
         TestCapture capture = sample::PkgModel();
         capture.Put(6, "JFIF");
         return capture;
       },
       true, SerialState::FromPkgTag, ShutterState::Found},
      {"model and entry in the last bytes read", sample::NearTheEnd, true, SerialState::NotGiven,
       ShutterState::Found},
  };
  for (const auto& row : rows) {
    ForEachAnalyser(row.capture().View(), row.name, [&](const PhotoReport& report) {
      EXPECT_EQ(report.modelFound, row.modelFound);
      EXPECT_EQ(report.serialState, row.serialState) << ToString(report.serialState);
      EXPECT_EQ(report.shutterState, row.shutterState) << ToString(report.shutterState);
      if (row.shutterState != ShutterState::Found) {
        EXPECT_EQ(report.shutterCountHex, "");
        EXPECT_EQ(report.shutterCount, 0u);
        EXPECT_EQ(report.shutterCountDecimal, "");
      }
    });
  }
}

// Whole reports of the realistic captures, so that the fields travel together.
TEST(AnalyseCapture, WholeReports) {
  const struct {
    const char* name;
    std::function<TestCapture()> capture;
    PhotoReport expected;
  } rows[] = {
      {"D70 photo", sample::D70,
       {true, 164, "NIKON D70", false, "", SerialState::FromNoTag, "00002539",
        ShutterState::Found, "0013c6", 5062, "5062"}},
      {"PKG model", sample::PkgModel,
       {true, 180, "NIKON D200", true, "Ver.2.00", SerialState::FromPkgTag,
        "    PKG 1234-5678 AB", ShutterState::Found, "000fcc", 4044, "4044"}},
      {"little-endian maker notes", sample::LittleEndian,
       {true, 200, "NIKON D850", true, "Ver.1.10", SerialState::NotGiven, "",
        ShutterState::Found, "00215d", 8541, "8541"}},
  };
  for (const auto& row : rows) {
    ForEachAnalyser(row.capture().View(), row.name,
                    [&](const PhotoReport& report) { EXPECT_EQ(report, row.expected); });
  }
}

// Without "NIKON D" nothing else is looked at, even where the rest is present.
TEST(AnalyseCapture, NoModelGivesTheEmptyReport) {
  const std::function<TestCapture()> captures[] = {
      [] { return TestCapture(); },
      [] { return TestCapture(0); },
      [] {
        TestCapture capture = sample::D70();
        capture.Put(164, "NIKON d70");
        return capture;
      },
  };
  for (const auto& build : captures) {
    ForEachAnalyser(build().View(), "no model",
                    [](const PhotoReport& report) { EXPECT_EQ(report, PhotoReport{}); });
  }
}

// Nothing survives from one call to the next, and trailing zeros change nothing.
TEST(AnalyseCapture, SameBytesSameReport) {
  const TestCapture capture = sample::D70();
  const PhotoReport first = AnalyseCapture(capture.View());
  EXPECT_EQ(AnalyseCapture(sample::D1X().View()).shutterState, ShutterState::NotSearched);
  EXPECT_EQ(AnalyseCapture(capture.View()), first);
  EXPECT_EQ(AnalyseCapture(capture.View().first(kCaptureReadSize)), first);
  EXPECT_EQ(AnalyseCapture(capture.View().first(2240)), first);
}

TEST(PhotoReport, StateNames) {
  const struct {
    const char* name;
    const char* expected;
  } rows[] = {
      {ToString(SerialState::FromNoTag), "FromNoTag"},
      {ToString(SerialState::NotGiven), "NotGiven"},
      {ToString(SerialState::D1SeriesStop), "D1SeriesStop"},
      {ToString(SerialState::FromPkgTag), "FromPkgTag"},
      {ToString(SerialState::EditedPhotoStop), "EditedPhotoStop"},
      {ToString(ShutterState::NotSearched), "NotSearched"},
      {ToString(ShutterState::Found), "Found"},
      {ToString(ShutterState::Absent), "Absent"},
  };
  for (const auto& row : rows) {
    EXPECT_STREQ(row.name, row.expected);
  }
}

}  // namespace
