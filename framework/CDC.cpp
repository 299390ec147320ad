#include "CDC.h"

#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/Cp1252.h"

#include <QPaintDevice>
#include <QString>

namespace {

QColor ToQColor(COLORREF colour) {
  return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// The characters of count Windows-1252 bytes, one each.
QString FromCp1252(const char* text, int count) {
  QString out;
  out.reserve(count);
  for (int i = 0; i < count; ++i) {
    const char32_t c = Cp1252ToUnicode(static_cast<std::uint8_t>(text[i]));
    out.append(QChar(static_cast<char16_t>(c)));  // every Windows-1252 character is in the BMP
  }
  return out;
}

}  // namespace

CDC::CDC(QPaintDevice* device) {
  if (device != nullptr && device->width() > 0 && device->height() > 0) painter_.begin(device);
}

CDC::~CDC() {
  if (painter_.isActive()) painter_.end();
}

void CDC::SelectObject(const CBrush* brush) {
  if (brush != nullptr && brush->GetBrush() != nullptr) brush_ = *brush->GetBrush();
}

void CDC::SelectObject(const CFont* font) {
  if (font == nullptr || font->GetFont() == nullptr || !IsPainting()) return;
  painter_.setFont(*font->GetFont());
}

bool CDC::Rectangle(int left, int top, int right, int bottom) {
  if (!IsPainting() || right <= left || bottom <= top) return false;
  // Whole-pixel fills: exact whatever the painter's antialiasing.
  const QRect outer(left, top, right - left, bottom - top);
  painter_.fillRect(outer, Qt::black);
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  if (inner.isValid()) painter_.fillRect(inner, brush_);
  return true;
}

void CDC::SetBkColor(COLORREF colour) { background_ = ToQColor(colour); }

void CDC::SetTextColor(COLORREF colour) { textColour_ = ToQColor(colour); }

bool CDC::TextOut(int x, int y, const char* text, int count) {
  if (!IsPainting() || text == nullptr || count < 0) return false;
  const QString characters = FromCp1252(text, count);
  const QFontMetrics metrics = painter_.fontMetrics();
  //  (x, y) +---------------------------+
  //         | ascent        cells filled |
  //  baseline - - - - - - - - - - - - - |
  //         | descent     with background|
  //         +---------------------------+ y + ascent + descent
  const int cellHeight = metrics.ascent() + metrics.descent();
  const QRect cells(x, y, metrics.horizontalAdvance(characters), cellHeight);
  painter_.fillRect(cells, background_);
  painter_.setPen(textColour_);
  painter_.drawText(x, y + metrics.ascent(), characters);
  return true;
}
