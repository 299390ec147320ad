#pragma once
// Checks a painted image against the texts that should be on it.
//
// Each text owns its row of character cells (x, y, advance width by cell
// height), and a later text owns what it covers. The picture is right when:
//   - every pixel outside all cells is the background grey, or black on the
//     one-pixel outline;
//   - inside the cells, a pixel in any of the palette's exact colours has its
//     owning text's colour (glyph edges blend and are not judged);
//   - each named group of texts with anything visible shows its colour.

#include "view/ReportLayout.h"

#include <QFont>
#include <QImage>

#include <string>
#include <vector>

namespace viewtests {

// Everything the picture breaks, one line each; empty when it is right.
// font is the font the texts are painted in; palette the exact colours that
// may only appear in the cells of their own texts.
std::vector<std::string> PictureFaults(const QImage& image, const QFont& font,
                                       const std::vector<PlacedText>& texts,
                                       const std::vector<Rgb>& palette);

// The colours of the report and of the banner together.
std::vector<Rgb> FullPalette();

}  // namespace viewtests
