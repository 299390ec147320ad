#pragma once
// A toolbar: a row of buttons, one per command of a toolbar resource, each
// showing its image from the resource's bitmap. It can be dragged by its
// gripper to float, or to dock on any side the frame allows.

#include "framework/CControlBar.h"

#include <QRect>
#include <QToolBar>

class CToolBar : public QToolBar, public CControlBar {
 public:
  CToolBar() = default;

  // Creates the bar on frame's edge given by style (CBRS_TOP...), with the
  // given control id. Styles: TBSTYLE_FLAT, WS_VISIBLE, CBRS_GRIPPER,
  // CBRS_TOOLTIPS, CBRS_FLYBY.
  bool CreateEx(CFrameWnd* frame, DWORD ctrlStyle, DWORD style, unsigned id);

  // Fills the bar from toolbar resource resourceId: one button per command,
  // separators between; each button is 7 pixels wider and taller than its
  // image. False when the resource or its bitmap is missing or too small.
  bool LoadToolBar(unsigned resourceId);

  // The sides (CBRS_ALIGN_...) the bar may dock on; it may also float.
  void EnableDocking(DWORD dockStyle);
  DWORD GetDockStyle() const { return dockStyle_; }

  // Items left to right: buttons and separators.
  int GetCount() const;
  // The command of item index; 0 for a separator.
  unsigned GetItemID(int index) const;
  // Item index's rectangle in the bar.
  QRect GetItemRect(int index) const;

  QWidget* GetWidget() override { return this; }

 protected:
  // Keeps tooltips and prompts off buttons when the style asks so.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DWORD style_ = 0;
  DWORD dockStyle_ = 0;
};

// The Qt edge for a CBRS_ALIGN_ side; the top edge for anything else.
Qt::ToolBarArea ToolBarAreaOf(DWORD alignStyle);
// The Qt edges for any set of CBRS_ALIGN_ sides.
Qt::ToolBarAreas ToolBarAreasOf(DWORD alignStyle);
