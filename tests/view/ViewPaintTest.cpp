// The result view as the user sees it: each picture painted into an image and
// checked pixel by pixel against the texts, places and colours it must show.

#include "PictureCheck.h"
#include "ReportCases.h"
#include "document/CaptureState.h"
#include "framework/Cp1252.h"
#include "view/CTarvonel6View.h"
#include "view/RenderView.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace viewtests {
namespace {

// Each test starts as a fresh run: nothing loaded, no display font made yet.
class ViewPaint : public testing::Test {
 protected:
  void SetUp() override { captureState = CaptureState{}; }

  static void Load(const Capture& capture) {
    captureState.photoLoaded = 1;
    captureState.captureBuffer = capture;
  }

  static std::string Join(const std::vector<std::string>& faults) {
    std::string out;
    for (const std::string& f : faults) out += "\n  " + f;
    return out;
  }
};

TEST_F(ViewPaint, BannerAloneBeforeAnyPhoto) {
  struct Row {
    const char* name;
    QSize size;
    std::int32_t photoLoaded;
  };
  // At the window's client size the lowest lines are cut off, not moved. Only
  // a loaded flag of exactly 1 shows a report.
  const Row rows[] = {{"window client size", kViewClientSize, 0},
                      {"600 by 480", {600, 480}, 0},
                      {"small", {120, 90}, 0},
                      {"loaded flag 2", kViewClientSize, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    captureState = CaptureState{};
    captureState.photoLoaded = row.photoLoaded;
    captureState.captureBuffer = CaseNamed("FromNoTag").capture;
    CTarvonel6View view;
    const QImage image = PaintViewImage(view, row.size);
    ASSERT_NE(view.DisplayFont().GetFont(), nullptr);
    EXPECT_EQ(PictureFaults(image, *view.DisplayFont().GetFont(), ExpectedBanner(), FullPalette()),
              std::vector<std::string>{});
  }
}

TEST_F(ViewPaint, EveryReportOverAFreshGreyArea) {
  for (const ReportCase& c : ReportCases()) {
    SCOPED_TRACE(c.name);
    captureState = CaptureState{};
    Load(c.capture);
    CTarvonel6View view;
    const QImage image = PaintViewImage(view, kViewClientSize);
    ASSERT_NE(view.DisplayFont().GetFont(), nullptr);
    // The palette holds the banner's colours: none of them may show through.
    const auto faults = PictureFaults(image, *view.DisplayFont().GetFont(), c.texts, FullPalette());
    EXPECT_TRUE(faults.empty()) << Join(faults);
  }
}

TEST_F(ViewPaint, EveryReportTextFitsInsideTheWindowsOutline) {
  CTarvonel6View view;
  PaintViewImage(view, kViewClientSize);
  ASSERT_NE(view.DisplayFont().GetFont(), nullptr);
  const QFontMetrics metrics(*view.DisplayFont().GetFont());
  for (const ReportCase& c : ReportCases()) {
    for (const PlacedText& t : c.texts) {
      const int right = t.x + metrics.horizontalAdvance(QString::fromStdString(Cp1252ToUtf8(t.text)));
      EXPECT_LT(right, kViewClientSize.width() - 1) << c.name << ": " << Cp1252ToUtf8(t.text);
    }
  }
}

TEST_F(ViewPaint, TheUnderscoresMergeIntoOneUnbrokenRule) {
  Load(CaseNamed("FromNoTag").capture);
  CTarvonel6View view;
  const QImage image = PaintViewImage(view, kViewClientSize);
  // The rule runs from x 20 to 550 plus the width of one underscore; well
  // inside that span every pixel column shows yellow in the rule's cells.
  for (int x = 25; x <= 555; ++x) {
    bool yellow = false;
    for (int y = 150; y < 190 && !yellow; ++y) yellow = image.pixel(x, y) == qRgb(255, 255, 0);
    EXPECT_TRUE(yellow) << "gap in the rule at x " << x;
  }
}

TEST_F(ViewPaint, TheFontIsMadeOnceAndRepaintsAreIdentical) {
  Load(CaseNamed("FromNoTag").capture);
  CTarvonel6View view;
  const QImage first = PaintViewImage(view, kViewClientSize);
  const GdiObject* font = view.DisplayFont().GetSafeHandle();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(captureState.fontCreated, 1);
  const QImage second = PaintViewImage(view, kViewClientSize);
  EXPECT_EQ(view.DisplayFont().GetSafeHandle(), font);
  EXPECT_EQ(first, second);

  // A later view of the same run never makes a font again.
  CTarvonel6View later;
  PaintViewImage(later, kViewClientSize);
  EXPECT_EQ(later.DisplayFont().GetSafeHandle(), nullptr);
}

TEST_F(ViewPaint, WithoutTheDisplayFontTextsArePaintedInTheDefaultFont) {
  // The flag already set stands for a first paint whose font could not be
  // made: no font is held, and none is tried again.
  captureState.fontCreated = 1;
  Load(CaseNamed("FromNoTag").capture);
  CTarvonel6View view;
  const QImage image = PaintViewImage(view, kViewClientSize);
  EXPECT_EQ(view.DisplayFont().GetSafeHandle(), nullptr);
  const auto faults = PictureFaults(image, QGuiApplication::font(), CaseNamed("FromNoTag").texts,
                                    FullPalette());
  EXPECT_TRUE(faults.empty()) << Join(faults);
}

}  // namespace
}  // namespace viewtests
