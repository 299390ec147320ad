#pragma once
// A solid brush: the colour that fills the inside of rectangles.

#include "framework/CGdiObject.h"

#include <QBrush>

// The object behind a brush handle.
struct BrushObject : GdiObject {
  explicit BrushObject(QBrush b) : brush(std::move(b)) {}
  QBrush brush;
};

class CBrush : public CGdiObject {
 public:
  // Makes a solid brush of colour (CreateSolidBrush) and holds it.
  explicit CBrush(COLORREF colour);

  // The brush held, or null once it has been deleted.
  const QBrush* GetBrush() const;
};
