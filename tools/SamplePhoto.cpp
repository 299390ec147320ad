#include "SamplePhoto.h"

#include "MinimalJpeg.h"

namespace {

// The serial tag's text, padded with spaces to 20 characters as a D70 pads it.
std::string SerialText(const SamplePhotoOptions& options) {
  std::string text = options.serialStyle == SerialStyle::Pkg ? "    PKG " : "NO= ";
  text += options.serial;
  if (text.size() < 20) text.append(20 - text.size(), ' ');
  return text;
}

// The Nikon type-2 maker note: a 10-byte preamble, then a TIFF structure of its
// own whose offsets count from its header.
std::string MakerNote(const SamplePhotoOptions& options) {
  TiffDirectory ifd(options.makerNoteOrder);
  ifd.AddUndefined(0x0001, "0210");
  if (options.serialStyle != SerialStyle::None) ifd.AddAscii(0x00A0, SerialText(options));
  // Big-endian:    00 A7 | 00 04 | 00 00 00 01 | count (4 bytes, most significant first)
  // Little-endian: A7 00 | 04 00 | 01 00 00 00 | count (4 bytes, least significant first)
  if (options.shutterCount) ifd.AddLong(0x00A7, *options.shutterCount);
  std::string out("Nikon\0\x02\x10\0\0", 10);
  out += TiffHeader(options.makerNoteOrder);
  out += ifd.Serialise(8);
  return out;
}

// The Exif TIFF structure: IFD0, then the Exif IFD right after it.
std::string ExifTiff(const SamplePhotoOptions& options) {
  constexpr auto order = ByteOrder::BigEndian;
  TiffDirectory ifd0(order);
  ifd0.AddAscii(0x010F, "NIKON CORPORATION");
  if (!options.model.empty()) ifd0.AddAscii(0x0110, options.model);
  ifd0.AddRational(0x011A, 300, 1);
  ifd0.AddRational(0x011B, 300, 1);
  ifd0.AddShort(0x0128, 2);  // inches
  if (!options.firmware.empty()) ifd0.AddAscii(0x0131, options.firmware);
  // The Exif IFD's offset is its own entry's value, so IFD0's size is known first.
  TiffDirectory probe = ifd0;
  probe.AddLong(0x8769, 0);
  const auto exifOffset = static_cast<std::uint32_t>(8 + probe.Size());
  ifd0.AddLong(0x8769, exifOffset);

  TiffDirectory exif(order);
  exif.AddUndefined(0x9000, "0221");
  exif.AddUndefined(0x927C, MakerNote(options));
  return TiffHeader(order) + ifd0.Serialise(8) + exif.Serialise(exifOffset);
}

}  // namespace

std::string MakeSamplePhoto(const SamplePhotoOptions& options) {
  std::string header;
  if (options.jfifFirst) header += JfifSegment();
  header += JpegSegment(0xE1, std::string("Exif\0\0", 6) + ExifTiff(options));
  return MinimalJpeg(header);
}
