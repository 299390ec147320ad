#include "CMainFrame.h"

#include "resources/ResourceIds.h"

namespace {

// The status bar's panes: the message pane, then Caps, Num and Scroll Lock.
constexpr unsigned kIndicators[] = {
    ID_SEPARATOR,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

}  // namespace

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return false;
  cs.x = 50;
  cs.y = 50;
  cs.cx = 600;
  cs.cy = 480;
  return true;
}

int CMainFrame::OnCreate(const CREATESTRUCT& cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;

  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY,
                             AFX_IDW_TOOLBAR) ||
      !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
    return -1;
  }

  if (!m_wndStatusBar.Create(this, WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
      !m_wndStatusBar.SetIndicators(kIndicators)) {
    return -1;
  }

  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  return 0;
}
