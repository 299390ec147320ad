#pragma once
// A font: the face and size every later text is drawn in.

#include "framework/CGdiObject.h"
#include "framework/LOGFONTA.h"

#include <QFont>

// The object behind a font handle.
struct FontObject : GdiObject {
  explicit FontObject(QFont f) : font(std::move(f)) {}
  QFont font;
};

using HFONT = std::unique_ptr<FontObject>;

// Makes the font that logFont describes, or returns an empty handle when none
// can be made (no description, a height that is not positive, or no font
// system to make it with). Honoured: the face, matched by the system's font
// matching when it is not installed, and a positive lfHeight, the height of
// the character cell: the largest pixel size whose ascent plus descent is not
// above it. The other fields are taken at their defaults (normal weight,
// upright, no underline).
HFONT CreateFontIndirectA(const LOGFONTA* logFont);

class CFont : public CGdiObject {
 public:
  // The font held, or null when the wrapper holds none.
  const QFont* GetFont() const;
};
