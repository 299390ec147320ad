#pragma once
// The state through which a loaded photo reaches the analysis and the view.
// Static storage, zero at start-up, never allocated or freed. There is one per
// thread: the window loads and paints on its one thread, so for it this is the
// program's only state; the command-line front end loads photos on several
// threads at once, each into its own.

#include "analysis/Capture.h"

#include <array>
#include <cstdint>

struct CaptureState {
  // 0 until the first photo is read, then 1 for the rest of the run.
  std::int32_t photoLoaded = 0;
  // Set by the view on the paint that creates its display font.
  std::int32_t fontCreated = 0;
  // The photo's first bytes from position 0, zeros after them; 4000..4999 are
  // always zero.
  std::array<std::uint8_t, kCaptureSize> captureBuffer{};
};

// Written only by the document's load routine (and fontCreated by the view).
// Constant-initialised, so a thread needs no set-up code to reach its own.
extern thread_local constinit CaptureState captureState;
