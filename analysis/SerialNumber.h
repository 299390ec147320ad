#pragma once
#include "Capture.h"
#include "PhotoReport.h"

// Chooses the serial state from modelText (already set) and the capture, and
// copies the serial text where the model records one; sets serialState and
// serialText.
void ReadSerialNumber(CaptureView capture, PhotoReport& report);
