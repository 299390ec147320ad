#pragma once
// The whole analysis derived the long way: the model and firmware scans, the
// serial-number ways and the shutter-count search that renders three bytes at
// every position as hex text and compares it with "a70004". Slow on purpose;
// AnalyseCapture must return the same report for every capture.

#include "analysis/Capture.h"
#include "analysis/PhotoReport.h"
#include "tests/reference/ReferenceHelpers.h"

PhotoReport ReferenceAnalyseCapture(CaptureView capture);
