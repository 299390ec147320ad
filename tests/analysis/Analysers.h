#pragma once
// The two analyses (fast and reference) that every behaviour is checked on.

#include "analysis/AnalyseCapture.h"
#include "analysis/Capture.h"
#include "analysis/PhotoReport.h"
#include "tests/reference/ReferenceAnalysis.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// One way of analysing a capture, named for test messages.
struct Analyser {
  const char* name;
  PhotoReport (*analyse)(CaptureView);
};

// Every behaviour is checked on the fast analysis and on the reference that the
// equivalence test trusts.
inline constexpr Analyser kAnalysers[] = {
    {"fast", AnalyseCapture},
    {"reference", ReferenceAnalyseCapture},
};

// Analyses capture with each analyser and hands every report to check, with
// the case's name and the analyser's in the trace of any failure.
template <class Check>
void ForEachAnalyser(CaptureView capture, std::string_view name, Check check) {
  for (const Analyser& analyser : kAnalysers) {
    SCOPED_TRACE(std::string(name) + " / " + analyser.name);
    check(analyser.analyse(capture));
  }
}
