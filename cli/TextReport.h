#pragma once
// The plain-text form of a report: what the window paints, line by line.

#include "analysis/PhotoReport.h"

#include <string>

// The report's texts as the window lays them out, in UTF-8: texts painted at
// the same height form one line, in painting order, one space apart and
// without trailing spaces. The rule of underscores is left out, and a control
// character from the photo shows as U+FFFD. Every line ends with a line feed.
std::string TextReport(const PhotoReport& report);
