#pragma once
// Menu resources: the menu bar as a list of menus, each a list of items. An
// item's text may hold "&" before its mnemonic and, after a tab, the name of
// its key, which the menu aligns to the right.

#include <span>
#include <string_view>

struct MenuItem {
  std::string_view text;  // empty for a separator
  unsigned command;       // 0 for a separator
};

// A separator: a plain dividing line between items.
inline constexpr MenuItem kMenuSeparator{};

struct MenuPopup {
  std::string_view title;
  std::span<const MenuItem> items;
};

struct MenuResource {
  unsigned id;
  std::span<const MenuPopup> popups;  // left to right
};

// The menu resource with this id, or null.
const MenuResource* FindMenuResource(unsigned id);
