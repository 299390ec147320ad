#include "CView.h"

#include "framework/CPaintDC.h"

#include <QPaintDevice>

void CView::OnPaint() {
  CPaintDC dc(this);
  OnDraw(&dc);
}

void CView::GetClientRect(CRect* rect) const {
  if (rect == nullptr) return;
  *rect = device_ != nullptr ? CRect{0, 0, device_->width(), device_->height()} : CRect{};
}
