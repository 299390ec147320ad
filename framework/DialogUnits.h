#pragma once
// Dialog units. A dialog template gives positions and sizes in units of its
// font: across, a quarter of the font's average character width; down, an
// eighth of its character height. The dialog's font, and so its base units,
// decide its size in pixels:
//
//   x pixels = x units * average width  / 4   (rounded to the nearest pixel)
//   y pixels = y units * character height / 8

#include "resources/DialogResource.h"

#include <QFont>
#include <QRect>

#include <string_view>

// The font's average character width and character height, in pixels.
struct DialogBaseUnits {
  int cx;
  int cy;
};

// number * numerator / denominator, rounded to the nearest integer (halves
// away from zero), the product taken in 64 bits so that it cannot overflow.
// denominator must not be 0.
int MulDiv(int number, int numerator, int denominator);

// The font of a dialog: face at points, sized in whole pixels for a screen of
// dotsPerInch. A face the system lacks falls back to its sans-serif face.
QFont DialogFont(std::string_view face, int points, int dotsPerInch);

// The base units of font: the average width of the 52 letters "A" to "Z" and
// "a" to "z", rounded to the nearest pixel, and the height of a line of text.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// rect, in dialog units, in pixels.
QRect DialogRectToPixels(const DialogRect& rect, DialogBaseUnits units);
