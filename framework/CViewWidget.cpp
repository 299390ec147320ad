#include "CViewWidget.h"

#include "framework/CView.h"

// The view paints every pixel of the client area itself: Qt need not clear
// it first.
CViewWidget::CViewWidget(std::unique_ptr<CView> view, QWidget* parent)
    : QWidget(parent), view_(std::move(view)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  view_->SetPaintDevice(this);
}

CViewWidget::~CViewWidget() { view_->SetPaintDevice(nullptr); }

// Qt clips the painter to the region being repainted.
void CViewWidget::paintEvent(QPaintEvent*) { view_->OnPaint(); }
