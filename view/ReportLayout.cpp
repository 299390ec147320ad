#include "ReportLayout.h"

#include "ReportTexts.h"

namespace {

using namespace Colours;

// Model, firmware and serial lines: painted for every report with a model.
void LayOutIdentity(const PhotoReport& report, std::vector<PlacedText>& out) {
  out.push_back({20, 30, kYellow, report.modelText});
  if (report.firmwareFound) {
    out.push_back({20, 70, kYellow, ReportTexts::FirmwareLabel()});
    out.push_back({180, 70, kYellow, report.firmwareText});
  } else {
    out.push_back({20, 70, kYellow, ReportTexts::FirmwareMissing()});
  }
  const bool fromNoTag = report.serialState == SerialState::FromNoTag;
  const bool hasSerial = fromNoTag || report.serialState == SerialState::FromPkgTag;
  out.push_back({20, 115, kYellow,
                 fromNoTag ? ReportTexts::SerialShortLabel() : ReportTexts::SerialLongLabel()});
  out.push_back({200, 115, kYellow, hasSerial ? report.serialText : ReportTexts::NotGiven()});
}

void LayOutD1Series(std::vector<PlacedText>& out) {
  out.push_back({25, 185, kLightRed, ReportTexts::D1Series(0)});
  out.push_back({80, 220, kLightRed, ReportTexts::D1Series(1)});
  out.push_back({180, 255, kLightRed, ReportTexts::D1Series(2)});
}

void LayOutEdited(std::vector<PlacedText>& out) {
  out.push_back({20, 180, kRed, ReportTexts::Edited(0)});
  out.push_back({100, 240, kWhite, ReportTexts::Edited(1)});
  out.push_back({150, 275, kWhite, ReportTexts::Edited(2)});
}

// The rule of 531 underscores, one pixel apart, then the count or its absence.
void LayOutCount(const PhotoReport& report, std::vector<PlacedText>& out) {
  for (int x = 20; x <= 550; ++x) out.push_back({x, 150, kYellow, ReportTexts::Rule()});
  out.push_back({20, 220, kWhite, ReportTexts::CountLabel()});
  if (report.shutterState == ShutterState::Found) {
    out.push_back({20, 260, kWhite, ReportTexts::Hex()});
    out.push_back({80, 260, kWhite, report.shutterCountHex});
    out.push_back({220, 260, kWhite, ReportTexts::Equals()});
    out.push_back({270, 260, kLightGreen, report.shutterCountDecimal});
  } else {
    out.push_back({20, 260, kLightRed, ReportTexts::CountAbsent()});
  }
}

}  // namespace

Rgb BannerColour(int i) {
  // Computed in double precision and truncated, then cut to its low 8 bits: the
  // last two lines come out as red 238 and 211, not 0.
  const auto red = static_cast<int>(255 - i * 0.6666666666666666);
  return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(255 - i / 4), 0};
}

std::vector<PlacedText> LayOutBanner() {
  std::vector<PlacedText> out;
  for (int i = 10; i <= 460; i += 40) out.push_back({i, i, BannerColour(i), ReportTexts::Banner()});
  return out;
}

std::vector<PlacedText> LayOutReport(const PhotoReport& report) {
  std::vector<PlacedText> out;
  if (!report.modelFound) {
    out.push_back({20, 30, kYellow, ReportTexts::NoModel(0)});
    out.push_back({20, 70, kYellow, ReportTexts::NoModel(1)});
    return out;
  }
  out.reserve(545);
  LayOutIdentity(report, out);
  switch (report.serialState) {
    case SerialState::D1SeriesStop: LayOutD1Series(out); break;
    case SerialState::EditedPhotoStop: LayOutEdited(out); break;
    default: LayOutCount(report, out); break;
  }
  return out;
}
