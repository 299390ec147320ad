#pragma once
#include "Capture.h"
#include "PhotoReport.h"

// Finds "NIKON D" and the firmware "V" within 29 bytes after it; sets modelFound,
// modelPosition, modelText, firmwareFound and firmwareText.
void FindModelAndFirmware(CaptureView capture, PhotoReport& report);
