#pragma once
// The window side of a view: the widget that fills the frame's client area.
// It owns the view, is the device the view paints on (so the view's client
// rectangle is the widget's), and hands every paint event to the view's paint
// handler, which builds a CPaintDC and calls OnDraw.

#include <QWidget>

#include <memory>

class CView;

class CViewWidget : public QWidget {
 public:
  CViewWidget(std::unique_ptr<CView> view, QWidget* parent);
  ~CViewWidget() override;

  CView* GetView() const { return view_.get(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<CView> view_;
};
