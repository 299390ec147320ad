#include "DialogUnits.h"

#include "framework/QtText.h"

#include <QFontMetrics>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

int MulDiv(int number, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const std::int64_t divisor = std::llabs(denominator);
  const std::int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
  return static_cast<int>((product < 0) != (denominator < 0) ? -magnitude : magnitude);
}

// Whole pixels, as the desktop the templates come from sizes its fonts: 8
// points on a 96-dot screen are 11 pixels, not 10.67. The templates' "MS Sans
// Serif" is nowhere on a Linux desktop, and fontconfig's usual stand-in (DejaVu
// Sans) is a seventh wider, enough to push the last words of a text out of its
// fixed rectangle; an Arial-metric face keeps the templates' proportions.
QFont DialogFont(std::string_view face, int points, int dotsPerInch) {
  static const bool substituted = [] {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans")});
    return true;
  }();
  (void)substituted;
  QFont font(ToQString(face));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(MulDiv(points, dotsPerInch, 72));
  return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  static const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const QFontMetrics metrics(font);
  return {MulDiv(metrics.horizontalAdvance(kLetters), 1, 52), metrics.height()};
}

QRect DialogRectToPixels(const DialogRect& rect, DialogBaseUnits units) {
  return QRect(MulDiv(rect.x, units.cx, 4), MulDiv(rect.y, units.cy, 8), MulDiv(rect.cx, units.cx, 4),
               MulDiv(rect.cy, units.cy, 8));
}
