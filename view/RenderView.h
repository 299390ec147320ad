#pragma once
// Paints the result view of the current captureState into an image, as the
// main window shows it, and saves it as PNG. Needs a QGuiApplication, which the
// caller makes (the offscreen platform will do); nothing here makes one.

#include <QImage>
#include <QSize>

#include <string>

class CTarvonel6View;

// The view's client area inside the main window's outer 600 by 480 pixels, with
// the system metrics of a classic desktop at 96 dots per inch:
//   width:  600 - 2 x 4 (sizing frame) - 2 x 2 (the view's sunken edge)     = 588
//   height: 480 - 2 x 4 (sizing frame) - 19 (caption) - 19 (menu bar)
//               - 45 (docked toolbar: 39-pixel buttons, 2 above, 2 below and
//                     its 2-pixel border line)
//               - 20 (status bar) - 2 x 2 (the view's sunken edge)         = 365
// The banner's tenth line (y 370) and those below it fall outside, and the
// ninth (y 330 to 370) loses its lowest rows.
inline constexpr QSize kViewClientSize{588, 365};

enum class RenderError {
  None,
  BadSize,        // not a positive size, or larger than 10000 by 10000
  NoApplication,  // no QGuiApplication: no font or painter can be made
  OutOfMemory,    // the image could not be allocated
  CannotWrite,    // the PNG could not be written to the path
};

// The message for error, in French (UTF-8), without the path.
const char* RenderErrorText(RenderError error);

// Paints view over an image of size (its client area): what the window shows.
// Returns a null image for a size that is not positive or too large, or when
// the image cannot be allocated.
QImage PaintViewImage(CTarvonel6View& view, QSize size);

// Paints a new view of the current captureState into a PNG at pngPath (a file
// name in the system's encoding). The display font is made on the first paint
// of the process only, as in the window: call it once per process, as the text
// front end does; a later call paints its texts in the surface's default font.
RenderError RenderView(const std::string& pngPath, QSize size = kViewClientSize);
