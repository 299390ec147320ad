#include "TextReport.h"

#include "framework/Cp1252.h"
#include "view/ReportLayout.h"
#include "view/ReportTexts.h"

#include <algorithm>
#include <span>

namespace {

std::string_view WithoutTrailingSpaces(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// One line from texts painted at the same height, one space apart. A label's
// trailing spaces only fill cells that its value covers on screen, so every
// text loses its trailing spaces; an empty value adds nothing.
std::string JoinLine(std::span<const PlacedText> texts) {
  std::string line;
  for (const PlacedText& placed : texts) {
    const std::string_view piece = WithoutTrailingSpaces(placed.text);
    if (piece.empty()) continue;
    if (!line.empty()) line += ' ';
    line += piece;
  }
  return line;
}

// Windows-1252 to UTF-8 for a terminal: a control character taken from the
// photo (a line feed, an escape sequence...) is shown as U+FFFD, so that a
// photo can neither break the report's lines nor drive the terminal.
std::string ToTerminalText(std::string_view cp1252) {
  std::string out;
  for (char byte : cp1252) {
    const char32_t c = Cp1252ToUnicode(static_cast<std::uint8_t>(byte));
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) out += "\xEF\xBF\xBD";
    else out += Cp1252ToUtf8(std::string_view(&byte, 1));
  }
  return out;
}

// True for the separator row, which is drawn, not read.
bool IsRule(std::span<const PlacedText> texts) {
  return std::all_of(texts.begin(), texts.end(),
                     [](const PlacedText& t) { return t.text == ReportTexts::Rule(); });
}

}  // namespace

std::string TextReport(const PhotoReport& report) {
  const std::vector<PlacedText> layout = LayOutReport(report);
  std::string out;
  for (std::size_t first = 0; first < layout.size();) {
    std::size_t end = first + 1;
    while (end < layout.size() && layout[end].y == layout[first].y) ++end;
    const std::span<const PlacedText> line(layout.data() + first, end - first);
    if (!IsRule(line)) out += ToTerminalText(JoinLine(line)) + '\n';
    first = end;
  }
  return out;
}
