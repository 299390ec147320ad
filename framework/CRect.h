#pragma once
// A rectangle in pixels; right and bottom are exclusive.

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const CRect&) const = default;
};
