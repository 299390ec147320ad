// make-fuzz-corpus FOLDER: writes the fuzz targets' seed photos, one for each
// way a report can go, so that fuzzing starts from inputs that already reach
// every step of the analysis.

#include "tools/SamplePhoto.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The seeds: name and options, each changing the default D70 photo a little.
std::vector<std::pair<std::string, SamplePhotoOptions>> Seeds() {
  SamplePhotoOptions pkg;
  pkg.model = "NIKON D2X";
  pkg.serialStyle = SerialStyle::Pkg;
  SamplePhotoOptions d1x;
  d1x.model = "NIKON D1X";
  d1x.serialStyle = SerialStyle::None;
  SamplePhotoOptions jfif;
  jfif.model = "NIKON D200";
  jfif.serialStyle = SerialStyle::None;
  jfif.jfifFirst = true;
  SamplePhotoOptions little = pkg;
  little.model = "NIKON D2H";
  little.makerNoteOrder = ByteOrder::LittleEndian;
  return {{"d70.jpg", SamplePhotoOptions{}}, {"d2x-pkg.jpg", pkg}, {"d1x.jpg", d1x},
          {"d200-jfif.jpg", jfif}, {"d2h-little-endian.jpg", little}};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage : make-fuzz-corpus DOSSIER\n", stderr);
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  for (const auto& [name, options] : Seeds()) {
    const std::string photo = MakeSamplePhoto(options);
    std::ofstream out(std::filesystem::path(argv[1]) / name, std::ios::binary | std::ios::trunc);
    if (!out.write(photo.data(), static_cast<std::streamsize>(photo.size()))) {
      std::perror(name.c_str());
      return 1;
    }
  }
  return 0;
}
