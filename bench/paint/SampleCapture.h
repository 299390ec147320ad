#pragma once
// Puts the bundled D70 sample photo's first bytes into the capture buffer, as
// opening it does: the report it paints shows every line.

#include "document/CaptureState.h"
#include "tools/SamplePhoto.h"

#include <algorithm>
#include <cstring>

inline void LoadSampleD70() {
  const std::string photo = MakeSamplePhoto(SamplePhotoOptions{});
  captureState.captureBuffer.fill(0);
  std::memcpy(captureState.captureBuffer.data(), photo.data(),
              std::min(photo.size(), kCaptureReadSize));
  captureState.photoLoaded = 1;
}
