#pragma once
// Whether the window can be shown at all. Qt aborts when it finds no display
// or cannot reach it; the program says so in one French line instead, and
// points to tarvonel6-cli.

#include <optional>
#include <string>

// The line for standard error when no display is named at all (none of
// QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY is set); nullopt otherwise.
std::optional<std::string> MissingDisplayMessage();

// The line for standard error when the named display cannot be reached.
std::string UnreachableDisplayMessage();

// Held while Qt's application object is being made: Qt's notes are kept back
// and, if Qt gives up because it cannot reach the display, the program prints
// UnreachableDisplayMessage and ends with status 1 instead of aborting. When
// the guard goes, the notes kept back are passed on.
class DisplayConnectionGuard {
 public:
  DisplayConnectionGuard();
  ~DisplayConnectionGuard();
  DisplayConnectionGuard(const DisplayConnectionGuard&) = delete;
  DisplayConnectionGuard& operator=(const DisplayConnectionGuard&) = delete;
};
