#include "DisplayCheck.h"

#include <cstdlib>

#include <X11/Xlib.h>

namespace {

constexpr const char* kUseCli = " ; pour lire une photo sans fenêtre, utilisez tarvonel6-cli.";

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Opening and closing a connection costs about a millisecond.
bool XDisplayAnswers() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

}  // namespace

std::optional<std::string> MissingDisplayMessage() {
  if (IsSet("QT_QPA_PLATFORM") || IsSet("WAYLAND_DISPLAY")) return std::nullopt;
  if (!IsSet("DISPLAY")) {
    return std::string("tarvonel6 : aucun écran disponible (ni DISPLAY, ni WAYLAND_DISPLAY, ni "
                       "QT_QPA_PLATFORM)") +
           kUseCli;
  }
  if (!XDisplayAnswers()) {
    return std::string("tarvonel6 : l'écran « ") + std::getenv("DISPLAY") + " » ne répond pas" +
           kUseCli;
  }
  return std::nullopt;
}
