#pragma once
// Where and in which colour the view paints each text: the whole picture as
// data, so that the window, the rendered image and the text front end all
// follow one layout.

#include "analysis/PhotoReport.h"

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

namespace Colours {
inline constexpr Rgb kBackground{66, 66, 66};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLightRed{255, 100, 100};
inline constexpr Rgb kRed{255, 50, 50};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLightGreen{100, 255, 100};
}  // namespace Colours

// One text: (x, y) is the top-left corner of its first character cell; text is
// Windows-1252.
struct PlacedText {
  int x = 0;
  int y = 0;
  Rgb colour;
  std::string text;
  bool operator==(const PlacedText&) const = default;
};

// The banner colour of the line painted at (i, i).
Rgb BannerColour(int i);

// The twelve "Tarvonel for Nikon" lines, top to bottom.
std::vector<PlacedText> LayOutBanner();

// The report's texts in painting order, as painted over the fresh grey area.
std::vector<PlacedText> LayOutReport(const PhotoReport& report);
