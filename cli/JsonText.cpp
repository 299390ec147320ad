#include "JsonText.h"

#include <cstdint>

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 if the byte
// there does not start one (bad lead byte, bad continuation, overlong form,
// surrogate, past U+10FFFF, or cut short).
std::size_t ValidSequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (length > text.size() - i) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

void AppendEscapedControl(std::string& out, unsigned code) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[code >> 4];
  out += kHex[code & 0xF];
}

// Whether the byte stands for itself inside a JSON string: printable ASCII
// other than the quote and the backslash.
bool IsPlain(char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; }

}  // namespace

// Runs of plain ASCII, the usual case for paths and photo texts, are copied
// whole; every other byte is looked at on its own.
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    std::size_t plain = i;
    while (plain < text.size() && IsPlain(text[plain])) ++plain;
    out.append(text, i, plain - i);
    i = plain;
    if (i == text.size()) break;
    const std::size_t length = ValidSequenceLength(text, i);
    const auto lead = static_cast<std::uint8_t>(text[i]);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD for the one bad byte
      i += 1;
      continue;
    }
    if (lead == '"' || lead == '\\') {
      out += '\\';
      out += static_cast<char>(lead);
    } else if (lead < 0x20 || lead == 0x7F) {
      AppendEscapedControl(out, lead);
    } else if (lead == 0xC2 && static_cast<std::uint8_t>(text[i + 1]) < 0xA0) {
      // U+0080 to U+009F, encoded C2 80 to C2 9F.
      AppendEscapedControl(out, static_cast<std::uint8_t>(text[i + 1]));
    } else {
      out.append(text, i, length);
    }
    i += length;
  }
  out += '"';
}
