#include "CBrush.h"

#include <QColor>

CBrush::CBrush(COLORREF colour) {
  const QColor qcolour(GetRValue(colour), GetGValue(colour), GetBValue(colour));
  Attach(std::make_unique<BrushObject>(QBrush(qcolour, Qt::SolidPattern)));
}

const QBrush* CBrush::GetBrush() const {
  const auto* object = dynamic_cast<const BrushObject*>(GetSafeHandle());
  return object ? &object->brush : nullptr;
}
