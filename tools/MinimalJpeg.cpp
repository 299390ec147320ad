#include "MinimalJpeg.h"

namespace {

// Quantisation table 0: every step 1.
std::string QuantisationTable() {
  std::string payload(1, '\x00');
  payload.append(64, '\x01');
  return JpegSegment(0xDB, payload);
}

// One Huffman table of class `tableClass` (0 DC, 1 AC) holding one code, "0",
// for symbol 0: a DC difference of zero, or end-of-block for AC.
std::string HuffmanTable(char tableClass) {
  std::string payload(1, static_cast<char>(tableClass << 4));
  payload += '\x01';               // one code of length 1
  payload.append(15, '\x00');      // none of lengths 2 to 16
  payload += '\x00';               // its symbol
  return JpegSegment(0xC4, payload);
}

// Baseline frame: 8 bits, 8x8 pixels, one component (id 1, 1x1, table 0).
std::string Frame() {
  return JpegSegment(0xC0, std::string("\x08\x00\x08\x00\x08\x01\x01\x11\x00", 9));
}

// Scan of component 1 with tables 0/0 over the full spectrum, then its data:
// bits 0 (DC difference 0) and 0 (end of block), padded with ones.
std::string Scan() {
  return JpegSegment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6)) + "\x3F";
}

}  // namespace

std::string JpegSegment(unsigned char marker, std::string_view payload) {
  const std::size_t length = payload.size() + 2;
  std::string out{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                  static_cast<char>(length & 0xFF)};
  out += payload;
  return out;
}

std::string JfifSegment() {
  // "JFIF\0", version 1.01, no units, density 1:1, no thumbnail.
  return JpegSegment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
}

std::string MinimalJpeg(std::string_view headerSegments) {
  std::string out = "\xFF\xD8";
  out += headerSegments;
  out += QuantisationTable();
  out += Frame();
  out += HuffmanTable(0);
  out += HuffmanTable(1);
  out += Scan();
  out += "\xFF\xD9";
  return out;
}
