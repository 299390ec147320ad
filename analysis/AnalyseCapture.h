#pragma once
#include "Capture.h"
#include "PhotoReport.h"

// Model and firmware, then serial number, then (unless the report ended early)
// the shutter count. Pure: reads the capture and nothing else.
PhotoReport AnalyseCapture(CaptureView capture);
