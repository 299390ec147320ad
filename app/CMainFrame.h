#pragma once
// The main window: 600 by 480 pixels at (50, 50), a dockable toolbar (Open,
// About) at the top, the status bar at the bottom, the view in between.

#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"

class CMainFrame : public CFrameWnd {
 public:
  CMainFrame() = default;

  // Places the window at (50, 50) with an outer size of 600 by 480.
  bool PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  // Builds the bars after the base class has made the view; -1 if a bar
  // cannot be made.
  int OnCreate(const CREATESTRUCT& cs) override;

 private:
  CStatusBar m_wndStatusBar;
  CToolBar m_wndToolBar;
};
