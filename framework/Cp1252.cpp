#include "Cp1252.h"

#include <array>

namespace {

// Bytes 80 to 9F, the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at text[i], advancing i; nullopt-like 0xFFFFFFFF
// for a malformed sequence (one byte is then consumed).
char32_t NextUtf8(std::string_view text, std::size_t& i) {
  constexpr char32_t kBad = 0xFFFFFFFF;
  const auto lead = static_cast<std::uint8_t>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || lead > 0xF4) return kBad;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size()) return kBad;
    const auto next = static_cast<std::uint8_t>(text[i]);
    if ((next & 0xC0) != 0x80) return kBad;
    c = (c << 6) | (next & 0x3F);
    ++i;
  }
  return c;
}

}  // namespace

char32_t Cp1252ToUnicode(std::uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() * 2);
  for (char byte : cp1252) AppendUtf8(out, Cp1252ToUnicode(static_cast<std::uint8_t>(byte)));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = NextUtf8(utf8, i);
    char byte = '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      byte = static_cast<char>(c);
    } else {
      for (std::size_t k = 0; k < kHighControls.size(); ++k)
        if (kHighControls[k] == c) byte = static_cast<char>(0x80 + k);
    }
    out += byte;
  }
  return out;
}
