#pragma once
#include "Capture.h"
#include "PhotoReport.h"

// Finds the first A7 00 04 entry and reads its count; sets shutterState and,
// when Found, shutterCountHex, shutterCount and shutterCountDecimal.
void ReadShutterCount(CaptureView capture, PhotoReport& report);
