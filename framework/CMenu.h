#pragma once
// The frame's menu bar, built from a menu resource. Each item is its
// command's shared action, so a menu item and a toolbar button for the same
// command are enabled, checked and run alike. While a menu is open the
// message pane shows the highlighted item's prompt, and nothing when a
// separator, a menu title or nothing at all is highlighted; when the menu
// closes the pane says "Prêt" again.

class CFrameWnd;

// Builds frame's menu bar from menu resource resourceId; called once, while
// the frame is made. False when there is no such resource: the frame then has
// no menu bar.
bool LoadMenuBar(CFrameWnd& frame, unsigned resourceId);
