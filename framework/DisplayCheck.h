#pragma once
// Whether the window can be shown at all. Qt aborts when it finds no display;
// the program says so in one French line instead.

#include <optional>
#include <string>

// Why no window can be shown, as one line for standard error pointing to
// tarvonel6-cli; nullopt when there is a display to use. A display is there
// when QT_QPA_PLATFORM or WAYLAND_DISPLAY is set, or when the X display named
// by DISPLAY answers.
std::optional<std::string> MissingDisplayMessage();
