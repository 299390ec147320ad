#pragma once
// The drawing surface the view paints on: a device context over Qt's painter,
// drawing on an image or on a widget. It offers what the painting uses and no
// more: brush and font selection, Rectangle, text colours and TextOut.
//
// Its state starts as a fresh paint surface's: a white brush, the device's
// default font, black text on a white background, background mode opaque.
// Brush and font are copied in when selected, so deleting a CBrush or CFont
// afterwards never leaves the surface pointing at it; nothing selected is
// restored when the surface ends.

#include "framework/CGdiObject.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QPainter>

class CBrush;
class CFont;
class QPaintDevice;

class CDC {
 public:
  // Starts painting on device (an image, or a widget within its paint event).
  // With no device, or one that cannot be painted on, every call does nothing.
  explicit CDC(QPaintDevice* device);
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // True while the surface paints on a device.
  bool IsPainting() const { return painter_.isActive(); }

  // The brush fills later rectangles; a CBrush that holds none changes nothing.
  void SelectObject(const CBrush* brush);
  // The font draws all later text; a CFont that holds none changes nothing.
  void SelectObject(const CFont* font);

  // Outlines left..right-1 by top..bottom-1 with a one-pixel black line and
  // fills the inside with the selected brush. An empty rectangle paints
  // nothing and returns false.
  bool Rectangle(int left, int top, int right, int bottom);

  // The colour that fills the character cells behind later texts.
  void SetBkColor(COLORREF colour);
  // The colour of the glyphs of later texts.
  void SetTextColor(COLORREF colour);

  // Paints count Windows-1252 characters of text with the top-left corner of
  // the first character cell at (x, y): first the row of cells (the text's
  // advance width by the font's ascent plus descent) in the background colour,
  // then the glyphs in the text colour. False for a negative count or no text.
  bool TextOut(int x, int y, const char* text, int count);

 private:
  QPainter painter_;
  QBrush brush_{Qt::white, Qt::SolidPattern};
  QColor background_{Qt::white};
  QColor textColour_{Qt::black};
};
