#pragma once
// The state of the three lock keys, read from the window system.

#include <optional>

struct LockKeyState {
  bool capsLock = false;
  bool numLock = false;
  bool scrollLock = false;
  bool operator==(const LockKeyState&) const = default;
};

// The lock keys' state where the window system tells it (X11, through the
// keyboard extension's indicators); nullopt elsewhere (Wayland, offscreen).
std::optional<LockKeyState> ReadLockKeys();
