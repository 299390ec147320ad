#include "CPaintDC.h"

#include "framework/CView.h"

CPaintDC::CPaintDC(CView* view) : CDC(view != nullptr ? view->GetPaintDevice() : nullptr) {}
