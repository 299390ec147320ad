#pragma once
// Accelerator tables: keys, with their modifiers, that run a command wherever
// the focus is in the window.

#include <span>

// Modifiers held with the key; combine with |.
enum AccelModifier : unsigned {
  kAccelNone = 0,
  kAccelCtrl = 1,
  kAccelShift = 2,
  kAccelAlt = 4,
};

// Keys that are not a letter: a letter key is its upper-case character ('N').
enum AccelKey : unsigned {
  kKeyBackspace = 0x100,
  kKeyDelete,
  kKeyInsert,
  kKeyF6,
};

struct Accelerator {
  unsigned modifiers;  // AccelModifier bits
  unsigned key;        // an upper-case letter or an AccelKey
  unsigned command;
};

struct AcceleratorTable {
  unsigned id;
  std::span<const Accelerator> keys;  // in order
};

// The accelerator table with this id, or null.
const AcceleratorTable* FindAcceleratorTable(unsigned id);
