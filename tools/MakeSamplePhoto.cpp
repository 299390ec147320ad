// make-sample-photo OUT.jpg: writes the project's sample photo, a D70 JPEG whose
// report shows every line (model, firmware, serial number, shutter count).

#include "tools/SamplePhoto.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage : make-sample-photo SORTIE.jpg\n", stderr);
    return 2;
  }
  const std::string photo = MakeSamplePhoto(SamplePhotoOptions{});
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(photo.data(), 1, photo.size(), out) == photo.size();
  if (std::fclose(out) != 0 || !written) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
