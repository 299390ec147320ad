#pragma once
// What must hold of every report and every capture, whatever bytes a photo
// holds. The fuzz targets check these on each input they are given.

#include "analysis/Capture.h"
#include "analysis/PhotoReport.h"

#include <string>

// The first rule that report breaks, in words; empty when it keeps them all.
std::string BrokenReportRule(const PhotoReport& report);

// The first rule that a capture buffer breaks after a file of the given bytes
// was loaded into it; empty when it keeps them all. photoLoaded is the flag
// as the load left it, starting from 0.
std::string BrokenCaptureRule(CaptureView fileBytes, CaptureView captureBuffer, int photoLoaded);

// Prints rule and aborts when it is not empty, so that the fuzzer keeps the
// input that broke it.
void RequireKept(const std::string& rule);
