#pragma once
// Builds small JPEG photos that carry the metadata a Nikon camera writes, for
// the project's sample photo, its tests and its benchmarks.
//
//   FF D8 | [APP0 JFIF] | APP1 "Exif\0\0" + TIFF (big-endian) | tables | 8x8 grey | FF D9
//   IFD0:      Make, Model, XResolution, YResolution, ResolutionUnit, Software, Exif IFD
//   values:    "NIKON CORPORATION", the model, two rationals, the firmware text: the
//              firmware's "V" lies 26 to 28 bytes after the model's start, as in a
//              camera's own files
//   Exif IFD:  ExifVersion, MakerNote
//   MakerNote: "Nikon\0" 02 10 00 00 | its own TIFF header | IFD:
//              0001 version, 00A0 serial text, 00A7 shutter count (LONG)

#include "TiffDirectory.h"

#include <cstdint>
#include <optional>
#include <string>

// How the camera writes its internal serial number (maker-note tag 00A0).
enum class SerialStyle {
  NoEquals,  // "NO= " and the serial, as a D70 writes it
  Pkg,       // four spaces, "PKG " and the serial
  None,      // no serial tag
};

struct SamplePhotoOptions {
  std::string model = "NIKON D70";        // empty: no Model tag at all
  std::string firmware = "Ver.2.00";      // empty: no Software tag
  SerialStyle serialStyle = SerialStyle::NoEquals;
  std::string serial = "00041852";        // bytes written after the style's prefix
  std::optional<std::uint32_t> shutterCount = 23456;  // none: no 00A7 tag
  ByteOrder makerNoteOrder = ByteOrder::BigEndian;
  bool jfifFirst = false;                 // an APP0 JFIF segment before the Exif one
};

// The whole JPEG file for these options.
std::string MakeSamplePhoto(const SamplePhotoOptions& options);
