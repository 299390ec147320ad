#include "PictureCheck.h"

#include "ReportCases.h"
#include "framework/Cp1252.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace viewtests {
namespace {

constexpr int kNoOwner = -1;
constexpr int kOverhang = 2;

Rgb PixelAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
          static_cast<std::uint8_t>(qBlue(p))};
}

std::string Describe(Rgb c) {
  std::ostringstream out;
  out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
  return out.str();
}

// The cells of each text as painted, from its font's metrics.
std::vector<QRect> CellsOf(const QImage& image, const QFont& font,
                           const std::vector<PlacedText>& texts) {
  const QFontMetrics metrics(font, &image);
  std::vector<QRect> cells;
  for (const PlacedText& t : texts) {
    const QString s = QString::fromStdString(Cp1252ToUtf8(t.text));
    cells.emplace_back(t.x, t.y, metrics.horizontalAdvance(s), metrics.ascent() + metrics.descent());
  }
  return cells;
}

// For each pixel, the index of the last text whose cells, widened by margin
// on every side, hold it.
std::vector<int> OwnerMap(const QImage& image, const std::vector<QRect>& cells, int margin) {
  std::vector<int> owner(static_cast<std::size_t>(image.width()) * image.height(), kNoOwner);
  const QRect bounds = image.rect();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const QRect r = cells[i].adjusted(-margin, -margin, margin, margin).intersected(bounds);
    for (int y = r.top(); y <= r.bottom() && !r.isEmpty(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) owner[y * image.width() + x] = static_cast<int>(i);
    }
  }
  return owner;
}

bool OnOutline(const QImage& image, int x, int y) {
  return x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
}

// Texts that share colour and a y, painted in a run, are one group (the rule).
std::string GroupOf(const PlacedText& t) {
  if (t.text == "_") return "rule at y " + std::to_string(t.y);
  return "'" + Cp1252ToUtf8(t.text) + "' at (" + std::to_string(t.x) + ", " + std::to_string(t.y) + ")";
}

// True when p is ink of colour c over the grey: on the way from grey to c, at
// least half-way (glyph edges blend with the background).
bool IsInkOf(Rgb p, Rgb c) {
  const double g = colour::kGrey.r;  // the grey is the same in every channel
  const double d[3] = {c.r - g, c.g - g, c.b - g};
  const double q[3] = {p.r - g, p.g - g, p.b - g};
  const double length2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  const double t = (q[0] * d[0] + q[1] * d[1] + q[2] * d[2]) / length2;
  double offLine = 0;
  for (int k = 0; k < 3; ++k) offLine = std::max(offLine, std::abs(q[k] - t * d[k]));
  return t >= 0.5 && offLine <= 16;
}

bool HasGlyphs(const PlacedText& t) {
  return std::any_of(t.text.begin(), t.text.end(), [](char c) { return c != ' '; });
}

}  // namespace

std::vector<std::string> PictureFaults(const QImage& image, const QFont& font,
                                       const std::vector<PlacedText>& texts,
                                       const std::vector<Rgb>& palette) {
  std::vector<std::string> faults;
  const std::vector<QRect> cells = CellsOf(image, font, texts);
  const std::vector<int> owner = OwnerMap(image, cells, 0);
  // Glyphs may reach a little past their cells (the underscore does): their
  // blended edges are allowed there, their full colour is not.
  const std::vector<int> near = OwnerMap(image, cells, kOverhang);
  std::map<std::string, bool> groupSeen;  // group -> its colour seen in its cells
  std::map<std::string, bool> groupVisible;
  for (const PlacedText& t : texts) groupSeen[GroupOf(t)] = false;
  int strayOutside = 0, wrongInside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb p = PixelAt(image, x, y);
      const int o = owner[y * image.width() + x];
      const bool inPalette = std::find(palette.begin(), palette.end(), p) != palette.end();
      if (o == kNoOwner) {
        const Rgb expected = OnOutline(image, x, y) ? Rgb{0, 0, 0} : colour::kGrey;
        const bool edgeOfGlyph = near[y * image.width() + x] != kNoOwner && !inPalette;
        if (p != expected && !edgeOfGlyph && strayOutside++ < 5) {
          faults.push_back("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the texts is " +
                           Describe(p) + ", not " + Describe(expected));
        }
        continue;
      }
      const PlacedText& t = texts[o];
      if (HasGlyphs(t)) groupVisible[GroupOf(t)] = true;
      if (IsInkOf(p, t.colour)) {
        groupSeen[GroupOf(t)] = true;
      } else if (inPalette && wrongInside++ < 5) {
        faults.push_back("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") in the cells of " +
                         GroupOf(t) + " is " + Describe(p) + ", not " + Describe(t.colour));
      }
    }
  }
  for (const auto& [group, seen] : groupSeen) {
    if (groupVisible[group] && !seen) faults.push_back(group + ": none of its colour is painted");
  }
  return faults;
}

std::vector<Rgb> FullPalette() {
  std::vector<Rgb> palette = {colour::kYellow, colour::kLightRed, colour::kRed, colour::kWhite,
                              colour::kLightGreen, Rgb{0, 0, 0}};
  for (const PlacedText& line : ExpectedBanner()) palette.push_back(line.colour);
  return palette;
}

}  // namespace viewtests
