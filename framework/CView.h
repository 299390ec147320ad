#pragma once
// The base of views: a view paints itself with OnDraw on the device it is set
// to, whose size is its client area. The window's view sets its widget; a
// rendering sets an image. A view is the first stop of a command that its
// frame routes.

#include "framework/CCmdTarget.h"
#include "framework/CRect.h"

class CDC;
class QPaintDevice;

class CView : public CCmdTarget {
 public:
  CView() = default;
  CView(const CView&) = delete;
  CView& operator=(const CView&) = delete;
  ~CView() override = default;

  // Paints the whole view on pDC; called for every paint.
  virtual void OnDraw(CDC* pDC) = 0;

  // The paint handler: makes a paint surface over the view's device and draws
  // the view on it. Called by the host's paint event, or to render an image.
  void OnPaint();

  // Left and top 0, right and bottom the width and height of the device the
  // view paints on (all 0 with none).
  void GetClientRect(CRect* rect) const;

  // The device the view paints on and whose size is its client area; not
  // owned, and it must outlive its use here. Null: the view paints nothing.
  void SetPaintDevice(QPaintDevice* device) { device_ = device; }
  QPaintDevice* GetPaintDevice() const { return device_; }

 private:
  QPaintDevice* device_ = nullptr;
};
