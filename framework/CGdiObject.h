#pragma once
// Drawing objects (brushes, fonts) and the colours they are made of. A
// CGdiObject owns the one object its handle refers to and deletes it when it is
// deleted itself: no drawing object outlives its owner.

#include <cstdint>
#include <memory>

// A colour as the drawing surface takes it: 0x00BBGGRR.
using COLORREF = std::uint32_t;

// The colour of red, green and blue components from 0 to 255.
constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<COLORREF>(red) | static_cast<COLORREF>(green) << 8 |
         static_cast<COLORREF>(blue) << 16;
}
constexpr std::uint8_t GetRValue(COLORREF colour) { return colour & 0xFF; }
constexpr std::uint8_t GetGValue(COLORREF colour) { return (colour >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(COLORREF colour) { return (colour >> 16) & 0xFF; }

// What a handle refers to: a brush or a font (see CBrush.h, CFont.h).
class GdiObject {
 public:
  virtual ~GdiObject() = default;
};

// A handle owns its object until it is attached to a CGdiObject.
using HGDIOBJ = std::unique_ptr<GdiObject>;

class CGdiObject {
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  virtual ~CGdiObject() = default;

  // Takes ownership of the object behind handle. Refused (false, and the handle
  // is deleted) when the handle is empty or this wrapper already holds one.
  bool Attach(HGDIOBJ handle);

  // Deletes the object held; false when there was none.
  bool DeleteObject();

  // The object held, or null.
  const GdiObject* GetSafeHandle() const { return object_.get(); }

 private:
  HGDIOBJ object_;
};
