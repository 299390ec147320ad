#include "LockKeys.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
// X11's headers come last: they define macros (None, Bool, Status) that clash
// with names in Qt's.
#include <X11/XKBlib.h>
#endif

#if QT_CONFIG(xcb)
namespace {

// The indicator (LED) numbers of the three lock keys on display, looked up
// once by their standard names; the usual numbers where a name is unknown.
struct IndicatorNumbers {
  int caps = 0;
  int num = 1;
  int scroll = 2;
};

int IndicatorNumber(Display* display, const char* name, int usual) {
  int number = usual;
  const Atom atom = XInternAtom(display, name, True);
  if (atom == 0 || !XkbGetNamedIndicator(display, atom, &number, nullptr, nullptr, nullptr)) {
    return usual;
  }
  return number;
}

const IndicatorNumbers& NumbersFor(Display* display) {
  static Display* lookedUpFor = nullptr;
  static IndicatorNumbers numbers;
  if (lookedUpFor != display) {
    numbers = {IndicatorNumber(display, "Caps Lock", 0), IndicatorNumber(display, "Num Lock", 1),
               IndicatorNumber(display, "Scroll Lock", 2)};
    lookedUpFor = display;
  }
  return numbers;
}

}  // namespace
#endif

// One request to the X server: the bit mask of the lit indicators.
std::optional<LockKeyState> ReadLockKeys() {
#if QT_CONFIG(xcb)
  auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                 : nullptr;
  Display* display = x11 != nullptr ? x11->display() : nullptr;
  if (display == nullptr) return std::nullopt;
  const IndicatorNumbers& numbers = NumbersFor(display);
  unsigned int lit = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &lit) != Success) return std::nullopt;
  return LockKeyState{(lit >> numbers.caps & 1) != 0, (lit >> numbers.num & 1) != 0,
                      (lit >> numbers.scroll & 1) != 0};
#else
  return std::nullopt;
#endif
}
