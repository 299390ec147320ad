#pragma once
// Hand-made captures, one per kind of report, each with the texts the view
// must paint for it: positions, colours and Windows-1252 texts written out
// here, independently of the view's own layout code.

#include "analysis/Capture.h"
#include "view/ReportLayout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace viewtests {

using Capture = std::array<std::uint8_t, kCaptureSize>;

namespace colour {
inline constexpr Rgb kGrey{66, 66, 66};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLightRed{255, 100, 100};
inline constexpr Rgb kRed{255, 50, 50};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLightGreen{100, 255, 100};
}  // namespace colour

struct ReportCase {
  std::string name;
  Capture capture;
  std::vector<PlacedText> texts;  // in painting order
};

// Every kind of report: FromNoTag, FromPkgTag, NotGiven, D1SeriesStop,
// EditedPhotoStop, Absent, no model, an empty serial, no firmware.
const std::vector<ReportCase>& ReportCases();

// One case by name.
const ReportCase& CaseNamed(const std::string& name);

// The twelve banner lines, colours as the table of the system gives them.
std::vector<PlacedText> ExpectedBanner();

// A placed text whose text is given in UTF-8.
PlacedText Text(int x, int y, Rgb colour, const char* utf8);

}  // namespace viewtests
