#pragma once
// The surface of one paint of a view: made by the view's paint handler over the
// device the view paints on, handed to OnDraw, and released when it goes out
// of scope.

#include "framework/CDC.h"

class CView;

class CPaintDC : public CDC {
 public:
  // Starts painting on the view's device; a view without one paints nothing.
  explicit CPaintDC(CView* view);
};
