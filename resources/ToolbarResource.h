#pragma once
// Toolbar resources: which command each button runs, and the bitmap holding
// the buttons' images side by side, in button order (separators have none).

#include <span>
#include <string_view>

struct ToolbarResource {
  unsigned id;
  int imageWidth;
  int imageHeight;
  std::string_view bitmapPath;          // the bitmap in the program's embedded resources
  std::span<const unsigned> commands;   // left to right; 0 is a separator
};

// The toolbar resource with this id, or null.
const ToolbarResource* FindToolbarResource(unsigned id);

// The embedded icon file (.ico) with this id; empty when there is none.
std::string_view FindIconResource(unsigned id);
