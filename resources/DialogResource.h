#pragma once
// Dialog templates: a dialog's caption, font, size and styles, and its
// controls in tab order. Positions and sizes are in dialog units, which the
// dialog turns into pixels from its font: a quarter of the font's average
// character width across, an eighth of its height down.

#include <span>
#include <string_view>

// A rectangle in dialog units: left x, top y, width and height.
struct DialogRect {
  int x;
  int y;
  int cx;
  int cy;
};

enum class ControlKind {
  StaticText,  // left-aligned, word-wrapped text
  PushButton,
  GroupBox,    // a frame that groups the controls inside it
  Icon,        // an icon resource shown at the control's top-left corner
};

// What a control's or a dialog's template adds to its kind; combine with |.
enum DialogStyle : unsigned {
  kStartsGroup = 1 << 0,    // the first control of a group (arrow keys stay in a group)
  kTabStop = 1 << 1,        // Tab stops on the control
  kDefaultButton = 1 << 2,  // the push button that Enter presses
  kNoPrefix = 1 << 3,       // static text: "&" is shown as it is, not as a mnemonic mark
  kModalFrame = 1 << 4,     // dialog: a fixed-size frame
  kCaption = 1 << 5,        // dialog: a title bar
  kSystemMenu = 1 << 6,     // dialog: a system menu and the caption's close box
};

struct DialogControl {
  ControlKind kind;
  int id;                 // IDOK, IDCANCEL, or IDC_STATIC when nothing refers to it
  std::string_view text;  // empty for an icon and for an untitled group box
  unsigned iconId;        // the icon resource of an Icon, otherwise 0
  DialogRect rect;
  unsigned style;         // DialogStyle bits
};

struct DialogTemplate {
  unsigned id;
  std::string_view caption;
  std::string_view fontFace;
  int fontPoints;
  DialogRect rect;  // x and y 0: centred on the owner window
  unsigned style;   // DialogStyle bits
  std::span<const DialogControl> controls;  // in tab order
};

// The dialog template with this id, or null.
const DialogTemplate* FindDialogTemplate(unsigned id);
