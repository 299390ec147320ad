// The texts the view paints for each kind of report, in painting order: the
// same list drives the window, the rendered image and the text front end.

#include "ReportCases.h"
#include "analysis/AnalyseCapture.h"
#include "framework/Cp1252.h"
#include "view/ReportLayout.h"

#include <gtest/gtest.h>

namespace viewtests {
namespace {

std::string Show(const PlacedText& t) {
  return "(" + std::to_string(t.x) + ", " + std::to_string(t.y) + ") " + std::to_string(t.colour.r) +
         "/" + std::to_string(t.colour.g) + "/" + std::to_string(t.colour.b) + " '" +
         Cp1252ToUtf8(t.text) + "'";
}

TEST(ReportLayout, EachReportPaintsItsTextsInOrder) {
  for (const ReportCase& c : ReportCases()) {
    SCOPED_TRACE(c.name);
    const std::vector<PlacedText> actual = LayOutReport(AnalyseCapture(c.capture));
    ASSERT_EQ(actual.size(), c.texts.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
      EXPECT_EQ(actual[i], c.texts[i]) << "text " << i << ": " << Show(actual[i]) << " instead of "
                                       << Show(c.texts[i]);
    }
  }
}

TEST(ReportLayout, TheBannerHasTwelveLinesInTheirColours) {
  EXPECT_EQ(LayOutBanner(), ExpectedBanner());
}

}  // namespace
}  // namespace viewtests
