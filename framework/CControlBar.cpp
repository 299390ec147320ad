#include "CControlBar.h"

#include "framework/CFrameWnd.h"

#include <QWidget>

CControlBar::~CControlBar() {
  if (frame_ != nullptr) frame_->RemoveControlBar(this);
}

// isHidden rather than isVisible: a bar of a frame not yet shown counts as
// visible when it will show with the frame.
bool CControlBar::IsVisible() { return !GetWidget()->isHidden(); }

void CControlBar::AttachToFrame(CFrameWnd* frame, unsigned id) {
  frame_ = frame;
  id_ = id;
  frame->AddControlBar(this);
}
