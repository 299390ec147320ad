// make-batch-photos DIR COUNT: writes COUNT photos into DIR, cycling through
// the generator's variants (every serial style, both byte orders, edited and
// D1-series photos, missing count) with counts that differ from file to file.

#include "tools/SamplePhoto.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

SamplePhotoOptions Variant(unsigned k) {
  SamplePhotoOptions o;
  o.shutterCount = 1000 + 37 * k;
  switch (k % 8) {
    case 0: break;  // D70, serial after "NO="
    case 1: o.model = "NIKON D200"; o.serialStyle = SerialStyle::Pkg; break;
    case 2: o.model = "NIKON D50"; o.firmware = ""; o.serialStyle = SerialStyle::None; break;
    case 3: o.model = "NIKON D1X"; break;
    case 4: o.model = "NIKON D300"; o.serialStyle = SerialStyle::None; o.jfifFirst = true; break;
    case 5: o.model = "NIKON D7000"; o.makerNoteOrder = ByteOrder::LittleEndian; break;
    case 6: o.shutterCount.reset(); break;
    case 7: o.model = "NIKON D90"; o.serialStyle = SerialStyle::None; break;
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Usage : make-batch-photos DOSSIER NOMBRE\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  const unsigned count = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
  for (unsigned k = 0; k < count; ++k) {
    const std::string photo = MakeSamplePhoto(Variant(k));
    const std::string path = folder + "/photo-" + std::to_string(k) + ".jpg";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr || std::fwrite(photo.data(), 1, photo.size(), out) != photo.size()) {
      std::perror(path.c_str());
      return 1;
    }
    std::fclose(out);
  }
  return 0;
}
