#include "CFont.h"

#include "framework/Cp1252.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#include <cstring>

namespace {

// The face of logFont as text: the bytes up to the first zero, at most 32.
QString FaceName(const LOGFONTA& logFont) {
  const char* face = logFont.lfFaceName;
  const std::size_t length = strnlen(face, LF_FACESIZE);
  return QString::fromStdString(Cp1252ToUtf8(std::string_view(face, length)));
}

// The face at pixelSize, drawn one character cell after the other: no kerning.
QFont FontAt(const QString& face, int pixelSize) {
  QFont font(face);
  font.setPixelSize(pixelSize);
  font.setKerning(false);
  return font;
}

// Ascent plus descent of face at pixelSize: the height of its character cell.
int CellHeightAt(const QString& face, int pixelSize) {
  const QFontMetrics metrics(FontAt(face, pixelSize));
  return metrics.ascent() + metrics.descent();
}

}  // namespace

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
  if (logFont == nullptr || logFont->lfHeight <= 0) return nullptr;
  const bool haveFonts = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
                         !QFontDatabase::families().isEmpty();
  if (!haveFonts) return nullptr;
  const QString face = FaceName(*logFont);
  const int cell = logFont->lfHeight;
  // The cell grows with the pixel size; it is about 1.1 times the pixel size
  // for common faces, so a few steps down from the cell height find it.
  int size = cell;
  while (size > 1 && CellHeightAt(face, size) > cell) --size;
  while (size < 2 * cell && CellHeightAt(face, size + 1) <= cell) ++size;
  return std::make_unique<FontObject>(FontAt(face, size));
}

const QFont* CFont::GetFont() const {
  const auto* object = dynamic_cast<const FontObject*>(GetSafeHandle());
  return object ? &object->font : nullptr;
}
