// make-resource-images: writes the pictures the program embeds from their XPM sources.
//
//   make-resource-images toolbar OUT.bmp IMAGE.xpm...   images side by side, 4 bits a pixel
//   make-resource-images icon OUT.ico SMALL.xpm LARGE.xpm
//                                              16x16 at 4, 8 and 32 bits, 32x32 at 24
//
// 4- and 8-bit pictures use the 16 colours of the standard palette below; a
// pixel of any other colour is an error, so that a drawing never changes
// colour silently. Transparent pixels ("None" in XPM) are the button face grey
// in a toolbar and masked out in an icon.

#include <QImage>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The standard 16-colour palette, in its usual order.
constexpr QRgb kPalette[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};
constexpr QRgb kButtonFace = 0xFFC0C0C0;

void Put16(Bytes& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Bytes of one pixel row, padded to a multiple of 4.
int RowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

bool IsTransparent(QRgb pixel) { return qAlpha(pixel) < 128; }

// The palette index of pixel's colour, if it is one of the 16.
std::optional<int> PaletteIndex(QRgb pixel) {
  for (int i = 0; i < 16; ++i) {
    if ((kPalette[i] & 0xFFFFFF) == (pixel & 0xFFFFFF)) return i;
  }
  return std::nullopt;
}

// The 40-byte header that starts a bitmap, whether in a .bmp or an .ico.
void PutInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, int coloursUsed) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bitsPerPixel));
  Put32(out, 0);  // no compression
  Put32(out, static_cast<std::uint32_t>(RowBytes(width, bitsPerPixel) * (height < 0 ? -height : height)));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(coloursUsed));
  Put32(out, 0);
}

// Palette entries are blue, green, red, 0. An 8-bit palette is the 16 colours
// followed by black.
void PutPalette(Bytes& out, int entries) {
  for (int i = 0; i < entries; ++i) {
    const QRgb c = i < 16 ? kPalette[i] : 0xFF000000;
    out.insert(out.end(), {static_cast<std::uint8_t>(qBlue(c)), static_cast<std::uint8_t>(qGreen(c)),
                           static_cast<std::uint8_t>(qRed(c)), 0});
  }
}

// The pixel rows, bottom row first, as 4, 8, 24 or 32 bits a pixel.
// Transparent pixels take transparentIndex in indexed pictures.
bool PutPixels(Bytes& out, const QImage& image, int bitsPerPixel, int transparentIndex,
               const std::string& source) {
  for (int y = image.height() - 1; y >= 0; --y) {
    Bytes row;
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (bitsPerPixel >= 24) {
        const bool clear = IsTransparent(pixel);
        row.insert(row.end(), {static_cast<std::uint8_t>(clear ? 0 : qBlue(pixel)),
                               static_cast<std::uint8_t>(clear ? 0 : qGreen(pixel)),
                               static_cast<std::uint8_t>(clear ? 0 : qRed(pixel))});
        if (bitsPerPixel == 32) row.push_back(clear ? 0 : 255);
        continue;
      }
      std::optional<int> index = IsTransparent(pixel) ? transparentIndex : PaletteIndex(pixel);
      if (!index) {
        std::fprintf(stderr, "make-resource-images: %s: pixel (%d, %d) is #%06X, not one of the 16 colours\n",
                     source.c_str(), x, y, pixel & 0xFFFFFF);
        return false;
      }
      if (bitsPerPixel == 8) {
        row.push_back(static_cast<std::uint8_t>(*index));
      } else if (x % 2 == 0) {
        row.push_back(static_cast<std::uint8_t>(*index << 4));
      } else {
        row.back() |= static_cast<std::uint8_t>(*index);
      }
    }
    row.resize(static_cast<std::size_t>(RowBytes(image.width(), bitsPerPixel)), 0);
    out.insert(out.end(), row.begin(), row.end());
  }
  return true;
}

// An icon's mask: one bit a pixel, 1 where the picture is transparent.
void PutMask(Bytes& out, const QImage& image) {
  for (int y = image.height() - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(RowBytes(image.width(), 1)), 0);
    for (int x = 0; x < image.width(); ++x) {
      if (IsTransparent(image.pixel(x, y))) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

std::optional<QImage> LoadXpm(const std::string& path) {
  QImage image(QString::fromStdString(path), "XPM");
  if (image.isNull()) {
    std::fprintf(stderr, "make-resource-images: cannot read %s\n", path.c_str());
    return std::nullopt;
  }
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) std::fprintf(stderr, "make-resource-images: cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

// The toolbar bitmap: the images side by side, at 4 bits a pixel.
bool WriteToolbar(const std::string& out, const std::vector<std::string>& sources) {
  std::vector<QImage> images;
  int width = 0, height = 0;
  for (const std::string& source : sources) {
    auto image = LoadXpm(source);
    if (!image) return false;
    width += image->width();
    height = std::max(height, image->height());
    images.push_back(*image);
  }
  QImage strip(width, height, QImage::Format_ARGB32);
  strip.fill(kButtonFace);
  for (int i = 0, x = 0; i < static_cast<int>(images.size()); x += images[i].width(), ++i) {
    for (int y = 0; y < images[i].height(); ++y) {
      for (int ix = 0; ix < images[i].width(); ++ix) {
        const QRgb pixel = images[i].pixel(ix, y);
        if (!IsTransparent(pixel)) strip.setPixel(x + ix, y, pixel);
      }
    }
  }
  Bytes bitmap;
  PutInfoHeader(bitmap, width, height, 4, 16);
  PutPalette(bitmap, 16);
  if (!PutPixels(bitmap, strip, 4, 7, "toolbar")) return false;
  Bytes file{'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + bitmap.size()));
  Put32(file, 0);
  Put32(file, 14 + 40 + 16 * 4);
  file.insert(file.end(), bitmap.begin(), bitmap.end());
  return WriteFile(out, file);
}

// One image of an icon: header with the height doubled (picture and mask),
// palette, picture, mask.
std::optional<Bytes> IconImage(const QImage& image, int bitsPerPixel, const std::string& source) {
  const int paletteEntries = bitsPerPixel == 4 ? 16 : bitsPerPixel == 8 ? 256 : 0;
  Bytes out;
  PutInfoHeader(out, image.width(), image.height() * 2, bitsPerPixel, 0);
  PutPalette(out, paletteEntries);
  if (!PutPixels(out, image, bitsPerPixel, 0, source)) return std::nullopt;
  PutMask(out, image);
  return out;
}

// The icon file: a directory of the images, then the images.
bool WriteIcon(const std::string& out, const std::string& smallSource, const std::string& largeSource) {
  auto small = LoadXpm(smallSource);
  auto large = LoadXpm(largeSource);
  if (!small || !large) return false;
  struct Entry {
    const QImage* image;
    int bits;
    const std::string* source;
  };
  const Entry entries[] = {
      {&*small, 4, &smallSource}, {&*small, 8, &smallSource}, {&*small, 32, &smallSource},
      {&*large, 24, &largeSource}};
  Bytes directory, images;
  Put16(directory, 0);
  Put16(directory, 1);
  Put16(directory, std::size(entries));
  std::uint32_t offset = 6 + 16 * std::size(entries);
  for (const Entry& entry : entries) {
    auto image = IconImage(*entry.image, entry.bits, *entry.source);
    if (!image) return false;
    directory.push_back(static_cast<std::uint8_t>(entry.image->width()));
    directory.push_back(static_cast<std::uint8_t>(entry.image->height()));
    directory.push_back(entry.bits == 4 ? 16 : 0);
    directory.push_back(0);
    Put16(directory, 1);
    Put16(directory, static_cast<unsigned>(entry.bits));
    Put32(directory, static_cast<std::uint32_t>(image->size()));
    Put32(directory, offset);
    offset += static_cast<std::uint32_t>(image->size());
    images.insert(images.end(), image->begin(), image->end());
  }
  directory.insert(directory.end(), images.begin(), images.end());
  return WriteFile(out, directory);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 3 && args[0] == "toolbar") {
    return WriteToolbar(args[1], {args.begin() + 2, args.end()}) ? 0 : 1;
  }
  if (args.size() == 4 && args[0] == "icon") {
    return WriteIcon(args[1], args[2], args[3]) ? 0 : 1;
  }
  std::fprintf(stderr,
               "usage: make-resource-images toolbar OUT.bmp IMAGE.xpm...\n"
               "       make-resource-images icon OUT.ico SMALL.xpm LARGE.xpm\n");
  return 2;
}
