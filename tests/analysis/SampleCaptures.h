#pragma once
// Captures shaped like real photos' first bytes, for the equivalence test to
// mutate and for the benchmark: a JPEG start, the model in the Exif data, the
// serial marker and the A7 00 04 shutter-count entry of the maker notes.

#include "tests/analysis/TestCapture.h"

#include <string_view>

namespace sample {

using namespace std::string_view_literals;

// FF D8, then an Exif (or JFIF) first segment: position 6 holds "E" (or "J").
inline TestCapture JpegStart(std::string_view segment = "Exif\0\0MM\0*"sv) {
  TestCapture capture;
  capture.Put(0, {0xFF, 0xD8, 0xFF, 0xE1, 0x3F, 0xFE}).Put(6, segment);
  return capture;
}

// A big-endian entry 00 A7 | 00 04 | 00 00 00 01 | 00 v2 v1 v0 whose A7 is at m.
inline void PutEntry(TestCapture& capture, std::size_t m, std::uint32_t count) {
  capture.Put(m - 1, {0x00, 0xA7, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00,
                      static_cast<std::uint8_t>(count >> 16),
                      static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count)});
}

// The same entry written least significant byte first: A7 00 | 04 00 | 01 00 00 00 | v0 v1 v2 00.
inline void PutLittleEndianEntry(TestCapture& capture, std::size_t m, std::uint32_t count) {
  capture.Put(m, {0xA7, 0x00, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00,
                  static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8),
                  static_cast<std::uint8_t>(count >> 16), 0x00});
}

// A D70 JPEG: model at 164, "NO= 00002539" at 2219, count 5062 at 1331.
inline TestCapture D70() {
  TestCapture capture = JpegStart();
  capture.Put(146, "NIKON CORPORATION\0NIKON D70\0"sv).Put(2219, "NO= 00002539    ");
  capture.Put(1300, "Nikon\0\x02\x10\0\0MM\0*"sv);
  PutEntry(capture, 1331, 5062);
  return capture;
}

// A model with the "PKG" marker: spaces, then "PKG" and its number.
inline TestCapture PkgModel() {
  TestCapture capture = JpegStart();
  capture.Put(180, "NIKON D200\0\0\0\0\0\0\0\0\0\0Ver.2.00\0"sv);
  capture.Put(1996, "    PKG 1234-5678 AB\0"sv);
  PutEntry(capture, 1389, 4044);
  return capture;
}

// A D1X: the report ends at the serial step although an entry is present.
inline TestCapture D1X() {
  TestCapture capture = JpegStart();
  capture.Put(232, "NIKON D1X\0\0\0\0\0\0\0\0\0\0\0Ver.5.01\0"sv);
  PutEntry(capture, 1500, 777);
  return capture;
}

// A JPEG rewritten by editing software: JFIF first segment, no "PKG".
inline TestCapture JfifEdited() {
  TestCapture capture = JpegStart("JFIF\0\x01\x02"sv);
  capture.Put(300, "NIKON D80\0\0\0\0\0Ver.1.10\0"sv);
  PutEntry(capture, 1200, 9000);
  return capture;
}

// A newer body whose maker notes are little-endian: 8,541 releases.
inline TestCapture LittleEndian() {
  TestCapture capture = JpegStart("Exif\0\0II*\0"sv);
  capture.Put(200, "NIKON D850\0\0\0\0\0\0Ver.1.10\0"sv);
  PutLittleEndianEntry(capture, 1700, 8541);
  return capture;
}

// Model and entry packed into the last bytes read from the file.
inline TestCapture NearTheEnd() {
  TestCapture capture = JpegStart();
  capture.Put(3970, "NIKON D90\0Ver.1.00");
  PutEntry(capture, 3989, 0x0ABCDE);
  return capture;
}

}  // namespace sample
