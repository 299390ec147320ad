// The model and firmware step: where "NIKON D" is, the model text cut at 11
// bytes or a zero, and the first "V" of the 29 bytes after the model start.

#include "analysis/ModelAndFirmware.h"
#include "tests/analysis/Analysers.h"
#include "tests/analysis/TestCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace std::string_view_literals;

struct ModelRow {
  const char* name;
  std::function<TestCapture()> capture;
  bool modelFound;
  std::int32_t modelPosition;
  std::string modelText;
  bool firmwareFound;
  std::string firmwareText;
};

TEST(ModelAndFirmware, ModelTextAndFirmwareWindow) {
  const ModelRow rows[] = {
      {"model at 0, zero after it", [] { return TestCapture().Put(0, "NIKON D70"); }, true, 0,
       "NIKON D70", false, ""},
      {"model cut at 11 bytes", [] { return TestCapture().Put(40, "NIKON D7000 Z"); }, true, 40,
       "NIKON D7000", false, ""},
      {"first of two models", [] { return TestCapture().Put(900, "NIKON D1").Put(90, "NIKON D2"); },
       true, 90, "NIKON D2", false, ""},
      {"near-miss between N and D is skipped",
       [] { return TestCapture().Put(10, "NIKXN D50").Put(50, "NIKON D90"); }, true, 50,
       "NIKON D90", false, ""},
      {"bytes above 0x7f kept", [] { return TestCapture().Put(5, "NIKON D\xE9\x80"); }, true, 5,
       "NIKON D\xE9\x80", false, ""},
      {"V at model + 29 is found, 8 bytes taken",
       [] { return TestCapture().Put(100, "NIKON D90").Put(129, "V1.234567890"); }, true, 100,
       "NIKON D90", true, "V1.23456"},
      {"V at model + 30 is not",
       [] { return TestCapture().Put(100, "NIKON D90").Put(130, "Ver.1.00"); }, true, 100,
       "NIKON D90", false, ""},
      {"V followed by zeros", [] { return TestCapture().Put(100, "NIKON D90").Put(115, "V"); },
       true, 100, "NIKON D90", true, "V"},
      {"lower-case v is no marker",
       [] { return TestCapture().Put(100, "NIKON D90").Put(115, "ver.1.00"); }, true, 100,
       "NIKON D90", false, ""},
      {"first of several V",
       [] { return TestCapture().Put(100, "NIKON D90\0\0Ver.1\0Ver.2"sv); }, true, 100,
       "NIKON D90", true, "Ver.1"},
      {"the window starts inside the model name", [] { return TestCapture().Put(0, "NIKON DV"); },
       true, 0, "NIKON DV", true, "V"},
      {"model filling the whole view", [] { return TestCapture(7).Put(0, "NIKON D"); }, true, 0,
       "NIKON D", false, ""},
      {"firmware cut by the end of the view",
       [] { return TestCapture(20).Put(3, "NIKON D3\0\0V1.0"sv); }, true, 3, "NIKON D3", true,
       "V1.0"},
      {"no model, V present", [] { return TestCapture().Put(10, "V1.00"); }, false, 0, "", false,
       ""},
  };
  for (const auto& row : rows) {
    ForEachAnalyser(row.capture().View(), row.name, [&](const PhotoReport& report) {
      EXPECT_EQ(report.modelFound, row.modelFound);
      EXPECT_EQ(report.modelPosition, row.modelPosition);
      EXPECT_EQ(report.modelText, row.modelText);
      EXPECT_EQ(report.firmwareFound, row.firmwareFound);
      EXPECT_EQ(report.firmwareText, row.firmwareText);
    });
  }
}

// The step sets its five fields whatever the report held before.
TEST(ModelAndFirmware, OverwritesAnEarlierResult) {
  PhotoReport report;
  FindModelAndFirmware(TestCapture().Put(0, "NIKON D90 Ver.1.00").View(), report);
  ASSERT_TRUE(report.firmwareFound);
  FindModelAndFirmware(TestCapture().Put(20, "NIKON D70").View(), report);
  EXPECT_EQ(report.modelPosition, 20);
  EXPECT_EQ(report.modelText, "NIKON D70");
  EXPECT_FALSE(report.firmwareFound);
  EXPECT_EQ(report.firmwareText, "");
  FindModelAndFirmware(TestCapture().View(), report);
  EXPECT_FALSE(report.modelFound);
}

}  // namespace
