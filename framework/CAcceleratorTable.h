#pragma once
// Accelerator keys: each key of an accelerator table runs its command through
// the command's shared action, wherever the focus is in the frame. A key does
// nothing while its command is disabled, and nothing either when no object on
// the route handles the command.

#include "resources/AcceleratorResource.h"

#include <QKeySequence>

class CFrameWnd;

// Gives the commands of accelerator table resourceId their keys in frame;
// called once, while the frame is made. False when there is no such table.
bool LoadAccelTable(CFrameWnd& frame, unsigned resourceId);

// The key and modifiers of accelerator as Qt names them.
QKeySequence KeySequenceOf(const Accelerator& accelerator);
